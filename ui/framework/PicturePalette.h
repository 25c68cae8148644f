#pragma once

#include <QColor>

// The colours of every picture the program draws in code: the toolbar, the
// logo, the start-up dialogs and the project tree.
namespace Pictures {

// Flat fills with an outline one shade darker, readable on the light grey of
// a classic toolbar.
inline const QColor kInk(0x2b, 0x2b, 0x2b);
inline const QColor kCharcoal(0x40, 0x40, 0x40);
inline const QColor kWhite(0xff, 0xff, 0xff);
inline const QColor kPaperFold(0xc8, 0xc8, 0xc8);
inline const QColor kTextLine(0x8c, 0x8c, 0x8c);
inline const QColor kSteel(0xd6, 0xd6, 0xd6);
inline const QColor kSteelDark(0x70, 0x70, 0x70);
inline const QColor kGearFill(0x6f, 0x80, 0x96);
inline const QColor kGearEdge(0x26, 0x30, 0x3e);
inline const QColor kBlue(0x2f, 0x66, 0xc0);
inline const QColor kBlueDark(0x17, 0x36, 0x73);
inline const QColor kBlueLight(0xa9, 0xcb, 0xf2);
inline const QColor kYellow(0xf6, 0xcf, 0x57);
inline const QColor kYellowBack(0xd9, 0xa8, 0x34);
inline const QColor kYellowDark(0x80, 0x5a, 0x10);
inline const QColor kGreen(0x31, 0xa8, 0x4a);
inline const QColor kGreenDark(0x17, 0x63, 0x27);
inline const QColor kRed(0xc8, 0x35, 0x2e);
inline const QColor kBrick(0xc4, 0x5c, 0x32);
inline const QColor kBrickDark(0x6e, 0x2c, 0x14);
inline const QColor kBrickLight(0xe0, 0x8a, 0x5e);
inline const QColor kWood(0xb9, 0x84, 0x3e);
inline const QColor kWoodDark(0x63, 0x40, 0x14);
inline const QColor kTeal(0x1f, 0x8f, 0x8f);
inline const QColor kTealDark(0x0e, 0x4d, 0x4d);
inline const QColor kMagenta(0xc0, 0x2f, 0xa8);
inline const QColor kMagentaDark(0x66, 0x12, 0x58);

// Close to the sixteen colours of a classic display, so pictures drawn at one
// pixel per cell (the project tree's) stay crisp.
inline const QColor kBlack(0x00, 0x00, 0x00);
inline const QColor kGrey(0x80, 0x80, 0x80);
inline const QColor kSilver(0xc0, 0xc0, 0xc0);
inline const QColor kClassicRed(0xc0, 0x00, 0x00);
inline const QColor kClassicMagenta(0xc0, 0x00, 0xc0);
inline const QColor kClassicPurple(0x80, 0x00, 0x80);
inline const QColor kClassicTeal(0x00, 0x80, 0x80);
inline const QColor kClassicTealLight(0x00, 0xb0, 0xb0);
inline const QColor kClassicNavy(0x00, 0x00, 0x80);
inline const QColor kClassicBlue(0x30, 0x60, 0xe0);
inline const QColor kClassicGreen(0x00, 0x90, 0x00);

} // namespace Pictures
