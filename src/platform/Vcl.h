#pragma once

#include <QObject>

// The enumerations a page description names by identifier (akLeft, bsNone,
// alClient ...). Registered with the meta-object system so that the page
// reader can turn identifiers into values by name.
namespace Vcl {
Q_NAMESPACE

enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_ENUM_NS(TAnchorKind)
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
Q_ENUM_NS(TPosition)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_ENUM_NS(TFontStyle)
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

inline constexpr TAnchors DefaultAnchors = TAnchors(akLeft | akTop);

} // namespace Vcl

Q_DECLARE_OPERATORS_FOR_FLAGS(Vcl::TAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(Vcl::TFontStyles)
