#pragma once

#include <vector>

// A window's place in the area, in pixels from the area's top left.
struct CTileRect {
    int m_nX = 0;
    int m_nY = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool operator==(const CTileRect&) const = default;
};

// Where Window > Tile puts nCount windows in an area of nWidth by nHeight:
// columns side by side, each a stack of equal rows, the last column taking
// the windows the others leave (three windows are three full-width rows,
// five are two columns of two and three). Nothing reaches past the area.
std::vector<CTileRect> TileWindows(int nCount, int nWidth, int nHeight);
