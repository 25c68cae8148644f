#include "core/app/WindowTiling.h"

#include <cmath>

std::vector<CTileRect> TileWindows(int nCount, int nWidth, int nHeight)
{
    std::vector<CTileRect> tiles;
    if (nCount <= 0 || nWidth <= 0 || nHeight <= 0)
        return tiles;
    // The smaller of the two near-square factors is the column count, so
    // windows are wider than they are tall.
    const int nColumns = static_cast<int>(std::sqrt(static_cast<double>(nCount)));
    const int nRowsPerColumn = nCount / nColumns;
    const int nTileWidth = nWidth / nColumns;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        const int nRows = nColumn + 1 < nColumns ? nRowsPerColumn : nCount - nRowsPerColumn * (nColumns - 1);
        const int nTileHeight = nHeight / nRows;
        for (int nRow = 0; nRow < nRows; ++nRow)
            tiles.push_back({nColumn * nTileWidth, nRow * nTileHeight, nTileWidth, nTileHeight});
    }
    return tiles;
}
