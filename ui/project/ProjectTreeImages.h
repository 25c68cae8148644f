#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The ten pictures of the project tree, drawn in code, 18 by 16 pixels on a
// white ground, in pairs (picture, selected picture): Java file, main Java
// file, HTML file, class, member. A pair shows the same picture twice.
class CProjectTreeImages {
public:
    static constexpr int kWidth = 18;
    static constexpr int kHeight = 16;
    static constexpr int kCount = 10;

    // Index 0..9; a null pixmap for any other index.
    static QPixmap Picture(int nIndex);
    // The same picture as an icon, with white shown as transparent.
    static QIcon Icon(int nIndex);

private:
    static void DrawJavaPage(QPainter& p);
    static void DrawMainBadge(QPainter& p);
    static void DrawGlobe(QPainter& p);
    static void DrawClass(QPainter& p);
    static void DrawMember(QPainter& p);
};
