#include "platform/Color.h"

#include <QApplication>
#include <QPalette>

#include <array>
#include <utility>

using namespace Colors;

namespace {

QPalette::ColorRole systemRole(TColor color)
{
    switch (color & 0xFF) {
    case 5: return QPalette::Base;
    case 8: return QPalette::WindowText;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Dark;
    case 17: return QPalette::PlaceholderText;
    case 18: return QPalette::ButtonText;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    case 15:
    default: return QPalette::Button;
    }
}

constexpr std::array<std::pair<const char *, TColor>, 30> colorNames{{
    {"clBlack", clBlack},         {"clMaroon", clMaroon},       {"clGreen", clGreen},
    {"clOlive", clOlive},         {"clNavy", clNavy},           {"clPurple", clPurple},
    {"clTeal", clTeal},           {"clGray", clGray},           {"clSilver", clSilver},
    {"clRed", clRed},             {"clLime", clLime},           {"clYellow", clYellow},
    {"clBlue", clBlue},           {"clFuchsia", clFuchsia},     {"clAqua", clAqua},
    {"clWhite", clWhite},         {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},   {"clBtnText", clBtnText},
    {"clInfoText", clInfoText},   {"clInfoBk", clInfoBk},       {"clLtGray", clSilver},
}};

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color < 0)
        return QApplication::palette().color(QPalette::Active, systemRole(color));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor ColorToRGB(TColor color)
{
    return color < 0 ? QColorToColor(ColorToQColor(color)) : color;
}

TColor QColorToColor(const QColor &color)
{
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

bool IdentToColor(const QString &ident, TColor &color)
{
    for (const auto &[name, value] : colorNames) {
        if (ident.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            color = value;
            return true;
        }
    }
    return false;
}
