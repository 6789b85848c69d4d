#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

// A 32-bit colour: red in the lowest byte, then green, then blue. Negative
// values name a system colour, resolved through the application palette.
using TColor = std::int32_t;

namespace Colors {
inline constexpr TColor clSysColor = TColor(0xFF000000u);
inline constexpr TColor clScrollBar = clSysColor | 0;
inline constexpr TColor clBackground = clSysColor | 1;
inline constexpr TColor clActiveCaption = clSysColor | 2;
inline constexpr TColor clWindow = clSysColor | 5;
inline constexpr TColor clWindowText = clSysColor | 8;
inline constexpr TColor clHighlight = clSysColor | 13;
inline constexpr TColor clHighlightText = clSysColor | 14;
inline constexpr TColor clBtnFace = clSysColor | 15;
inline constexpr TColor clBtnShadow = clSysColor | 16;
inline constexpr TColor clGrayText = clSysColor | 17;
inline constexpr TColor clBtnText = clSysColor | 18;
inline constexpr TColor clInfoText = clSysColor | 23;
inline constexpr TColor clInfoBk = clSysColor | 24;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
} // namespace Colors

// The colour a TColor stands for now; system colours follow the palette.
QColor ColorToQColor(TColor color);

// The plain RGB value of a colour (system colours resolved), red lowest.
TColor ColorToRGB(TColor color);

TColor QColorToColor(const QColor &color);

// Colour identifiers of a page description ("clWhite", "clBtnFace").
bool IdentToColor(const QString &ident, TColor &color);
