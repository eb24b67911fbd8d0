#include "LightStr/SignBuffer.h"
#include "RecordingHost.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kUntouched = 0xFF123456u;

// Rows of the buffer between x0..x1 and y0..y1 (inclusive) as letters: L lime, D teal,
// B black, . untouched.
std::vector<std::string> art(const SignBuffer& buffer, int x0, int x1, int y0, int y1) {
    std::vector<std::string> rows;
    for (int y = y0; y <= y1; ++y) {
        std::string row;
        for (int x = x0; x <= x1; ++x) {
            const QRgb pixel = buffer.image().pixel(x, y);
            row += pixel == kLime ? 'L' : pixel == kTeal ? 'D' : pixel == kBlack ? 'B' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

SignBuffer untouched(QSize size) {
    SignBuffer buffer;
    buffer.resize(size, kUntouched);
    buffer.fill(kUntouched);
    return buffer;
}

using Art = std::vector<std::string>;

} // namespace

TEST(SignBuffer, HorizontalCellsArePixelExactForEveryPitch) {
    // Dot row 1 at entry 5; one more row below the cell shows what spills into the next row.
    const std::vector<Art> lit = {
        {"L", "."},
        {"B.", "LL", ".L"},
        {"BBL", "LLL", "BLL", "..."},
        {"BBBB", "BLLL", "BLLL", "BLLL", "...."},
        {"BBBBB", "BLLLL", "BLLLL", "BLLLL", "BLLLL", "....."},
    };
    for (int bit = 1; bit <= 5; ++bit) {
        SCOPED_TRACE(bit);
        SignBuffer buffer = untouched(QSize(20, 20));
        buffer.drawCell(bit, false, 0, 1, 5, kLime, kBlack);
        EXPECT_EQ(art(buffer, 5, 5 + bit - 1, bit, 2 * bit), lit[bit - 1]);
        // Nothing left of the cell or above the row's cell except what the pattern names.
        EXPECT_EQ(art(buffer, 0, 4, 0, 19), Art(20, "....."));

        SignBuffer unlit = untouched(QSize(20, 20));
        unlit.drawCell(bit, false, 0, 1, 5, kTeal, kBlack);
        Art expected = lit[bit - 1];
        for (std::string& row : expected)
            std::replace(row.begin(), row.end(), 'L', 'D');
        EXPECT_EQ(art(unlit, 5, 5 + bit - 1, bit, 2 * bit), expected);
    }
}

TEST(SignBuffer, HorizontalRowTwoOfPitchFourAtTheRightEdge) {
    SignBuffer buffer = untouched(QSize(192, 44));
    buffer.drawCell(4, false, 44, 2, 188, kLime, kBlack);
    EXPECT_EQ(art(buffer, 188, 191, 8, 11), Art({"BBBB", "BLLL", "BLLL", "BLLL"}));
}

TEST(SignBuffer, VerticalCellsMirrorTheDotsButNotTheBackground) {
    // Pitch 4, extent 44, entry 188 at the bottom: the dot of row 0 lies at the right edge,
    // its background pixels in the cell at the left edge, where row 10's dot lies.
    SignBuffer buffer = untouched(QSize(44, 192));
    buffer.drawCell(4, true, 44, 0, 188, kLime, kBlack);
    EXPECT_EQ(art(buffer, 40, 43, 188, 191), Art({"....", ".LLL", ".LLL", ".LLL"}));
    EXPECT_EQ(art(buffer, 0, 3, 188, 191), Art({"BBBB", "B...", "B...", "B..."}));
    EXPECT_EQ(art(buffer, 4, 39, 188, 191), Art(4, std::string(36, '.')));

    // Pitch 1 and the one dy = 0 pixel of pitch 3 put row 0 at x = extent, outside.
    SignBuffer one = untouched(QSize(11, 20));
    one.drawCell(1, true, 11, 0, 5, kLime, kBlack);
    EXPECT_EQ(art(one, 0, 10, 5, 5), Art({"..........."}));
    one.drawCell(1, true, 11, 3, 5, kLime, kBlack);
    EXPECT_EQ(art(one, 0, 10, 5, 5), Art({"........L.."}));

    SignBuffer three = untouched(QSize(33, 20));
    three.drawCell(3, true, 33, 0, 5, kLime, kBlack);
    EXPECT_EQ(art(three, 30, 32, 5, 7), Art({"..L", ".LL", ".LL"}));
    EXPECT_EQ(art(three, 0, 2, 5, 7), Art({"B.B", "B..", "..."}));
}

TEST(SignBuffer, IdleDotsLeaveTheFirstRowAndColumnOfTheCell) {
    for (bool vertical : {false, true}) {
        SCOPED_TRACE(vertical);
        SignBuffer buffer = untouched(QSize(12, 12));
        buffer.drawIdleDot(3, vertical, 1, 2, kTeal);
        // Horizontal: column 1 is x 3..5, row 2 is y 6..8; vertical swaps the axes.
        const int x0 = vertical ? 6 : 3;
        const int y0 = vertical ? 3 : 6;
        EXPECT_EQ(art(buffer, x0, x0 + 2, y0, y0 + 2), Art({"...", ".DD", ".DD"}));
        SignBuffer one = untouched(QSize(12, 12));
        one.drawIdleDot(1, vertical, 1, 2, kTeal);
        EXPECT_EQ(art(one, 0, 11, 0, 11), Art(12, std::string(12, '.')));
    }
}

TEST(SignBuffer, ShiftMovesThePictureAndKeepsTheUncoveredStrip) {
    SignBuffer buffer = untouched(QSize(8, 8));
    buffer.drawCell(1, false, 0, 0, 0, kLime, kBlack); // (0, 0)
    buffer.drawCell(1, false, 0, 7, 7, kTeal, kBlack); // (7, 7)
    SignBuffer right = buffer;
    right.shift(false, 2);
    EXPECT_EQ(right.image().pixel(2, 0), kLime);
    EXPECT_EQ(right.image().pixel(0, 0), kLime); // strip kept
    SignBuffer up = buffer;
    up.shift(true, -3);
    EXPECT_EQ(up.image().pixel(7, 4), kTeal);
    EXPECT_EQ(up.image().pixel(7, 7), kTeal);
    EXPECT_EQ(up.image().pixel(0, 0), kUntouched);
    // Moving left, row 1's first pixels must not wrap into row 0's entry strip.
    SignBuffer left = buffer;
    left.drawCell(1, false, 0, 1, 0, kLime, kBlack); // (0, 1)
    left.shift(false, -2);
    EXPECT_EQ(art(left, 0, 7, 0, 1), Art(2, "........"));
    EXPECT_EQ(left.image().pixel(5, 7), kTeal);
    EXPECT_EQ(left.image().pixel(7, 7), kTeal);
    SignBuffer far = buffer;
    far.shift(true, 9); // more than the buffer: nothing moves
    EXPECT_EQ(far.image(), buffer.image());
}

TEST(SignBuffer, ResizeKeepsTheOverlap) {
    SignBuffer buffer = untouched(QSize(4, 4));
    buffer.resize(QSize(6, 2), kBlack);
    EXPECT_EQ(art(buffer, 0, 5, 0, 1), Art({"....BB", "....BB"}));
}
