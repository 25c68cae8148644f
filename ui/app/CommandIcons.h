#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn in code so they look the same on a machine
// without an icon theme. Toolbar pictures are designed on a 16-pixel grid and
// drawn again at each size, so 16 and 32 pixels are both sharp.

// The main toolbar's picture for a command id; a null icon for other ids.
QIcon CommandIcon(int nCommandId);

// One size of a command's picture, transparent around it; null for other ids.
QPixmap CommandPixmap(int nCommandId, int nSize);

// The about box's 64 by 64 logo: a mountain tarn under a "T".
QPixmap AboutBitmap();

// The window and desktop icon: the about box's logo at 16 to 64 pixels.
QIcon ApplicationIcon();
