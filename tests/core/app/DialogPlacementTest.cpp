#include "core/app/DialogPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

static std::ostream& operator<<(std::ostream& os, const CScreenRect& r)
{
    return os << '(' << r.m_nLeft << ',' << r.m_nTop << ' ' << r.m_nWidth << 'x' << r.m_nHeight << ')';
}

// The Find dialog stays where it is unless it covers the match; then it goes
// above the match, else below, else where there is more room, on the screen.
TEST(DialogPlacementTest, MovesOffTheMatchAndStaysOnScreen)
{
    const CScreenRect screen{0, 0, 1280, 900};
    const CScreenRect dialog{400, 300, 300, 150};
    // Touching edges do not cover.
    EXPECT_EQ(PlaceDialogAwayFrom(dialog, {100, 450, 800, 16}, screen), dialog);
    EXPECT_EQ(PlaceDialogAwayFrom(dialog, {700, 300, 50, 16}, screen), dialog);
    // Covered: above the match when it fits.
    EXPECT_EQ(PlaceDialogAwayFrom(dialog, {450, 360, 60, 16}, screen), (CScreenRect{400, 210, 300, 150}));
    // No room above: below.
    EXPECT_EQ(PlaceDialogAwayFrom({400, 50, 300, 150}, {450, 100, 60, 16}, screen), (CScreenRect{400, 116, 300, 150}));
    // Off the right edge of the screen it comes back inside.
    EXPECT_EQ(PlaceDialogAwayFrom({1100, 300, 300, 150}, {1150, 400, 60, 16}, screen),
              (CScreenRect{980, 250, 300, 150}));
    // Neither above nor below fits: the larger side, inside the screen.
    const CScreenRect tall{100, 100, 300, 500};
    EXPECT_EQ(PlaceDialogAwayFrom(tall, {150, 420, 60, 16}, {0, 0, 1280, 800}), (CScreenRect{100, 0, 300, 500}));
    EXPECT_EQ(PlaceDialogAwayFrom(tall, {150, 300, 60, 16}, {0, 0, 1280, 800}), (CScreenRect{100, 300, 300, 500}));
    // A screen that does not start at 0 (a second monitor).
    EXPECT_EQ(PlaceDialogAwayFrom({1400, 20, 300, 150}, {1450, 60, 40, 16}, {1280, 0, 1920, 1080}),
              (CScreenRect{1400, 76, 300, 150}));
}
