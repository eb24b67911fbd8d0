#include "LightStr/SignEngine.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace {

// The pitch × pitch pixels of the cell whose top-left corner is (left, top), as letters.
std::string cellAt(const SignEngine& engine, int left, int top) {
    const int pitch = engine.grid().pitch();
    std::string cell;
    for (int y = top; y < top + pitch; ++y)
        for (int x = left; x < left + pitch; ++x) {
            const QRgb pixel = pixelAt(engine, x, y);
            cell += pixel == kLime ? 'L' : pixel == kTeal ? 'D' : pixel == kBlack ? 'B' : '?';
        }
    return cell;
}

std::string withDot(std::string cell, char dot) {
    for (char& pixel : cell)
        if (pixel != 'B')
            pixel = dot;
    return cell;
}

} // namespace

TEST(ScaledSign, WholeCellsAtTheDevicePitchAndEveryDotOfOneShape) {
    for (const bool vertical : {false, true}) {
        SCOPED_TRACE(vertical);
        RecordingHost host;
        SignEngine engine(host, 192);
        engine.setDirection(vertical);
        engine.setBit(3);
        engine.setScale(1.5); // pitch 4.5 rounds to 5 device pixels
        if (vertical)
            host.size = QSize(host.size.width(), 190);
        engine.paint();
        ASSERT_EQ(engine.grid().pitch(), 5);
        // 190 logical pixels are 285 device pixels: 57 cells, shown by 190 logical pixels.
        const QSize picture = engine.buffer().size();
        EXPECT_EQ(vertical ? picture.height() : picture.width(), 57 * 5);
        EXPECT_EQ(vertical ? host.size.height() : host.size.width(), 190);
        // 11 rows of 5 device pixels across: 37 logical pixels hold all 55.
        EXPECT_EQ(engine.extent(), 37);
        EXPECT_EQ(vertical ? picture.width() : picture.height(), 55);

        const std::string idle = cellAt(engine, 0, 0);
        EXPECT_EQ(idle.find('?'), std::string::npos);
        EXPECT_NE(idle.find('D'), std::string::npos);
        for (int cell = 0; cell < 57; ++cell)
            ASSERT_EQ(vertical ? cellAt(engine, 50, 5 * cell) : cellAt(engine, 5 * cell, 50), idle)
                << cell;

        // A line whose second column lights every row but the last.
        engine.setLines({"x"});
        engine.startShow();
        engine.timerTick();
        engine.raster().image().fill(Qt::white);
        for (int y = 0; y < engine.rows() - 1; ++y)
            engine.raster().image().setPixel(engine.cursor() + 1, y, 0xFF000000u);
        engine.timerTick(); // the second column takes the changed raster
        const int entry = engine.entryPosition();
        const int lastRow = engine.rows() - 1;
        // Row 0 lies at the top, or at the right edge of a vertical sign.
        const auto rowCell = [&](int row) {
            return vertical ? cellAt(engine, (engine.rows() - 1 - row) * 5, entry)
                            : cellAt(engine, entry, row * 5);
        };
        EXPECT_EQ(rowCell(0), withDot(idle, 'L'));
        EXPECT_EQ(rowCell(lastRow), idle);

        // A second paint keeps the picture; only a change of sizes would redraw it.
        engine.paint();
        EXPECT_EQ(rowCell(0), withDot(idle, 'L'));
    }
}

TEST(ScaledSign, AScreenOfAnotherRatioRedrawsTheGridAtItsPitch) {
    RecordingHost host;
    SignEngine engine(host, 192);
    engine.paint();
    EXPECT_EQ(cellAt(engine, 0, 0), "BBBBBDDDBDDDBDDD");
    engine.setScale(2.0);
    engine.paint();
    EXPECT_EQ(engine.grid().pitch(), 8);
    EXPECT_EQ(engine.buffer().size(), QSize(192 * 2, 44 * 2));
    EXPECT_EQ(host.size, QSize(192, 44));
    // The dot drawn at the finer grid: its corners rounded, not a copy of the 3 x 3 dot.
    EXPECT_EQ(cellAt(engine, 8, 16), "BBBBBBBB"
                                     "BBBBBBBB"
                                     "BBBDDDDB"
                                     "BBDDDDDD"
                                     "BBDDDDDD"
                                     "BBDDDDDD"
                                     "BBDDDDDD"
                                     "BBBDDDDB");
    engine.setScale(1.0);
    engine.paint();
    EXPECT_EQ(engine.buffer().size(), QSize(192, 44));
    EXPECT_EQ(cellAt(engine, 4, 8), "BBBBBDDDBDDDBDDD");
}
