#include "platform/Font.h"

#include <QWidget>

#include <cmath>

TFont::TFont(QWidget *control) : QObject(control), FControl(control), FName(control->font().family())
{
    FHeight = -control->fontInfo().pixelSize();
}

QString TFont::Name() const
{
    return FName;
}

void TFont::setName(const QString &name)
{
    FName = name;
    apply();
}

void TFont::setHeight(int height)
{
    FHeight = height;
    apply();
}

// Points at the 96 dots per inch the page is laid out for.
int TFont::Size() const
{
    return static_cast<int>(std::lround(std::abs(FHeight) * 72.0 / 96.0));
}

void TFont::setSize(int points)
{
    setHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

void TFont::setColor(TColor color)
{
    FColor = color;
    apply();
}

void TFont::setStyle(Vcl::TFontStyles style)
{
    FStyle = style;
    apply();
}

void TFont::apply()
{
    QFont font(FName);
    // A positive height counts the internal leading too; take it as the
    // usual fifth of the cell.
    font.setPixelSize(std::max(1, FHeight < 0 ? -FHeight : FHeight * 4 / 5));
    font.setBold(FStyle.testFlag(Vcl::fsBold));
    font.setItalic(FStyle.testFlag(Vcl::fsItalic));
    font.setUnderline(FStyle.testFlag(Vcl::fsUnderline));
    font.setStrikeOut(FStyle.testFlag(Vcl::fsStrikeOut));
    FControl->setFont(font);
    QPalette palette = FControl->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(FColor));
    palette.setColor(QPalette::Text, ColorToQColor(FColor));
    FControl->setPalette(palette);
}
