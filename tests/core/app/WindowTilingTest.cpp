#include "core/app/WindowTiling.h"

#include <gtest/gtest.h>

// The grid Window > Tile lays out: columns of equal rows, the last column
// taking the rest, inside the area whatever the count.
TEST(WindowTilingTest, ColumnsOfRowsInsideTheArea)
{
    EXPECT_EQ(TileWindows(1, 800, 600), (std::vector<CTileRect>{{0, 0, 800, 600}}));
    EXPECT_EQ(TileWindows(3, 800, 600),
              (std::vector<CTileRect>{{0, 0, 800, 200}, {0, 200, 800, 200}, {0, 400, 800, 200}}));
    EXPECT_EQ(TileWindows(5, 1000, 601), (std::vector<CTileRect>{{0, 0, 500, 300},
                                                                  {0, 300, 500, 300},
                                                                  {500, 0, 500, 200},
                                                                  {500, 200, 500, 200},
                                                                  {500, 400, 500, 200}}));
    const std::vector<CTileRect> eight = TileWindows(8, 1000, 560);
    ASSERT_EQ(eight.size(), 8u);
    EXPECT_EQ(eight[3], (CTileRect{0, 420, 500, 140}));
    EXPECT_EQ(eight[7], (CTileRect{500, 420, 500, 140}));
    const std::vector<CTileRect> ten = TileWindows(10, 1000, 600);
    ASSERT_EQ(ten.size(), 10u);
    for (const CTileRect& tile : ten) {
        EXPECT_LE(tile.m_nX + tile.m_nWidth, 1000);
        EXPECT_LE(tile.m_nY + tile.m_nHeight, 600);
    }
    EXPECT_TRUE(TileWindows(0, 800, 600).empty());
    EXPECT_TRUE(TileWindows(2, 0, 600).empty());
}
