#pragma once

#include <QPixmap>

// The pictures of the start-up dialogs, drawn in code like the toolbar's.

// One 32 by 32 picture of the New dialog: 0 a Java source file, 1 a
// project, 2 an HTML page; transparent around it.
QPixmap NewDocumentImage(int nIndex);

// The tip dialog's light bulb, on white.
QPixmap TipBulbBitmap();
