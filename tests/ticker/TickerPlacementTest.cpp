#include "ticker/TickerPlacement.h"

#include <gtest/gtest.h>

namespace {

using namespace tickerplacement;

const ScreenRect kWorkArea{0, 0, 1024, 740};

TEST(TickerPlacement, TheStripLiesOnTheChosenEdgeOfTheWorkArea) {
    // A horizontal 600 x 90 window on the top or bottom edge; a vertical one 90 wide on
    // the left or right edge.
    EXPECT_EQ(dockEdge(false, true), DockEdge::Top);
    EXPECT_EQ(proposedStrip(DockEdge::Top, kWorkArea, 600, 90), (ScreenRect{0, 0, 1024, 90}));
    EXPECT_EQ(dockEdge(false, false), DockEdge::Bottom);
    EXPECT_EQ(proposedStrip(DockEdge::Bottom, kWorkArea, 600, 90), (ScreenRect{0, 650, 1024, 740}));
    EXPECT_EQ(dockEdge(true, true), DockEdge::Left);
    EXPECT_EQ(proposedStrip(DockEdge::Left, kWorkArea, 90, 600), (ScreenRect{0, 0, 90, 740}));
    EXPECT_EQ(dockEdge(true, false), DockEdge::Right);
    EXPECT_EQ(proposedStrip(DockEdge::Right, kWorkArea, 90, 600), (ScreenRect{934, 0, 1024, 740}));

    // A work area that does not start at the origin (a panel at the top and the left).
    const ScreenRect shifted{40, 24, 1024, 768};
    EXPECT_EQ(proposedStrip(DockEdge::Top, shifted, 600, 90), (ScreenRect{40, 24, 1024, 114}));
    EXPECT_EQ(proposedStrip(DockEdge::Left, shifted, 90, 600), (ScreenRect{40, 24, 130, 768}));
}

TEST(TickerPlacement, ABorderlessWindowIsPlacedAgainFromTheReducedWorkArea) {
    // After the strip at the bottom is reserved the work area ends where the strip begins:
    // the window's top becomes that bottom, and it spans the work area's width.
    EXPECT_EQ(afterReservation(DockEdge::Bottom, {0, 0, 1024, 650}, {0, 650, 1024, 740}),
              (ScreenRect{0, 650, 1024, 740}));
    EXPECT_EQ(afterReservation(DockEdge::Top, {0, 90, 1024, 740}, {0, 0, 1024, 90}),
              (ScreenRect{0, 0, 1024, 90}));
    // Vertical: the height of the work area; on the right the left edge is its right.
    EXPECT_EQ(afterReservation(DockEdge::Left, {90, 0, 1024, 740}, {0, 0, 90, 740}),
              (ScreenRect{0, 0, 90, 740}));
    EXPECT_EQ(afterReservation(DockEdge::Right, {0, 0, 934, 740}, {934, 0, 1024, 740}),
              (ScreenRect{934, 0, 1024, 740}));
    // Before the window manager has reserved the strip the work area still holds it: then
    // the window is not moved off the screen to the old bottom.
    EXPECT_FALSE(workAreaExcludes(DockEdge::Bottom, kWorkArea, {0, 650, 1024, 740}));
    EXPECT_TRUE(workAreaExcludes(DockEdge::Bottom, {0, 0, 1024, 650}, {0, 650, 1024, 740}));
    EXPECT_FALSE(workAreaExcludes(DockEdge::Right, kWorkArea, {934, 0, 1024, 740}));
    EXPECT_TRUE(workAreaExcludes(DockEdge::Left, {90, 0, 1024, 740}, {0, 0, 90, 740}));
    EXPECT_TRUE(workAreaExcludes(DockEdge::Top, {0, 90, 1024, 740}, {0, 0, 1024, 90}));
    // The window keeps its own size across the edge.
    EXPECT_EQ(afterReservation(DockEdge::Bottom, {0, 0, 800, 700}, {0, 650, 1024, 730}),
              (ScreenRect{0, 700, 800, 780}));
}

TEST(TickerPlacement, CornersOfTheWorkAreaButTheScreenOriginTopLeft) {
    EXPECT_EQ(corner(Corner::BottomRight, kWorkArea, 600, 90), (ScreenPoint{424, 650}));
    EXPECT_EQ(corner(Corner::TopRight, kWorkArea, 600, 90), (ScreenPoint{424, 0}));
    EXPECT_EQ(corner(Corner::BottomLeft, kWorkArea, 600, 90), (ScreenPoint{0, 650}));
    EXPECT_EQ(corner(Corner::TopLeft, {40, 24, 1024, 740}, 600, 90), (ScreenPoint{0, 0}));
    // Vertical: a 90 x 600 window.
    EXPECT_EQ(corner(Corner::BottomRight, kWorkArea, 90, 600), (ScreenPoint{934, 140}));
}

} // namespace
