#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

// The program's pictures, drawn in code so they look the same on a machine
// without an icon theme. Toolbar pictures are designed on a 16-pixel grid and
// drawn again at each size, so 16 and 32 pixels are both sharp.

// A command's toolbar picture by the name the command table gives it; a
// null icon for other names.
QIcon CommandIcon(const std::string& strName);

// One size of a command's picture, transparent around it; null for other names.
QPixmap CommandPixmap(const std::string& strName, int nSize);

// The about box's 64 by 64 logo: a mountain tarn under a "T".
QPixmap AboutBitmap();

// The window and desktop icon: the about box's logo at 16 to 128 pixels.
QIcon ApplicationIcon();
// The application icon at one size, as the desktop's icon theme takes it:
// the simpler drawing below 32 pixels, the logo from 32 on.
QImage ApplicationIconImage(int nPixels);
