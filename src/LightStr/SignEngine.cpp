#include "LightStr/SignEngine.h"

#include "LightStr/DotCell.h"
#include "framework/x11/SystemColor.h"

#include <climits>

SignEngine::SignEngine(SignHost& host, int length) : host_(host) {
    buffer_.resize(QSize(length, extent()), syscolor::toQRgb(back_));
    buffer_.fill(syscolor::toQRgb(back_));
}

void SignEngine::setLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    showCount_ = int(lines_.size());
    showIndex_ = -1;
}

void SignEngine::setShowIndex(int index) {
    if (index >= 0 && index < int(lines_.size()) && index != showIndex_)
        showIndex_ = index;
}

bool SignEngine::fitsExtent(int bit, int fontH, int space) const {
    return std::int64_t(bit) * (std::int64_t(fontH) + 2 * std::int64_t(space)) <= kMaxExtent;
}

void SignEngine::setBit(int bit) {
    if (bit < DotCell::kMinBit || bit > DotCell::kMaxBit || !fitsExtent(bit, fontH_, space_))
        return;
    bit_ = bit;
    grid_ = DotGrid(bit_, grid_.scale());
    recomputeAcross();
    // At another pitch the scaled picture's cells no longer line up along the scroll axis.
    if (!grid_.unscaled()) {
        snapAlong();
        paint();
    }
}

void SignEngine::setSpace(int space) {
    if (space < 0 || !fitsExtent(bit_, fontH_, space))
        return;
    space_ = space;
    recomputeAcross();
}

void SignEngine::setSending(int sending) {
    if (sending >= 0 && sending <= kMaxSending)
        sending_ = sending;
}

void SignEngine::setShowInterval(unsigned milliseconds) {
    if (milliseconds < 1 || milliseconds == interval_ || milliseconds > unsigned(INT_MAX))
        return;
    interval_ = milliseconds;
    host_.setTimerInterval(milliseconds);
}

void SignEngine::setShowFontH(int height) {
    if (height < 1 || height == fontH_ || !fitsExtent(bit_, height, space_))
        return;
    fontH_ = height;
    font_.height = height;
    recomputeAcross();
    bufferValid_ = false;
    paint();
}

void SignEngine::setShowLoop(bool loop) {
    if (loop == loop_)
        return;
    loop_ = loop;
    if (runOut_) {
        runOut_ = false;
        loadNextLine();
    }
}

void SignEngine::setScale(qreal scale) {
    // Beyond any screen's ratio; refused like other out-of-range values.
    if (!(scale > 0 && scale <= 16) || scale == grid_.scale())
        return;
    grid_ = DotGrid(bit_, scale);
    recomputeAcross();
    snapAlong();
}

void SignEngine::recomputeAcross() {
    const QSize control = host_.controlSize();
    const QSize buffer = buffer_.size();
    const QRgb back = syscolor::toQRgb(back_);
    wholeUnpresented_ = true;
    if (!direction_) {
        host_.resizeControl(QSize(control.width(), extent()));
        buffer_.resize(QSize(buffer.width(), grid_.deviceLength(host_.controlSize().height())),
                       back);
    } else {
        host_.resizeControl(QSize(extent(), control.height()));
        buffer_.resize(QSize(grid_.deviceLength(host_.controlSize().width()), buffer.height()),
                       back);
    }
}

// Along the scroll axis the control snaps down to whole dots (at least one) and the picture
// takes the new length; it then holds no picture.
void SignEngine::snapAlong() {
    const QSize control = host_.controlSize();
    const int cells = std::max(1, grid_.cellsIn(length()));
    const int snapped = grid_.logicalLength(cells);
    host_.resizeControl(direction_ ? QSize(control.width(), snapped)
                                   : QSize(snapped, control.height()));
    const int along = grid_.deviceLength(length());
    const QSize buffer = buffer_.size();
    buffer_.resize(direction_ ? QSize(buffer.width(), along) : QSize(along, buffer.height()),
                   syscolor::toQRgb(back_));
    bufferValid_ = false;
    wholeUnpresented_ = true;
}

int SignEngine::pictureLength() const {
    const QSize buffer = buffer_.size();
    return grid_.logicalOf(direction_ ? buffer.height() : buffer.width());
}

int SignEngine::length() const {
    const QSize control = host_.controlSize();
    return direction_ ? control.height() : control.width();
}

void SignEngine::startShow() {
    if (runOut_) {
        runOut_ = false;
        loadNextLine();
    }
    if (active_)
        return;
    active_ = true;
    if (lines_.empty())
        active_ = false;
    else
        host_.showActiveChanged(true);
    host_.setTimerRunning(active_);
    runOut_ = false;
}

void SignEngine::stopShow() {
    active_ = false;
    host_.setTimerRunning(false);
    host_.showActiveChanged(false);
}

void SignEngine::loadNextLine() {
    if (runOut_ || lines_.empty()) {
        stopShow();
        return;
    }
    ++showIndex_;
    if (showIndex_ >= int(lines_.size())) {
        showIndex_ = 0;
        if (!loop_) {
            beginRunOut();
            return;
        }
        host_.lineEof();
    }
    host_.lineNext(showIndex_);
    // Read after the event: a handler may have rewritten the line or replaced the list.
    static const std::string kNoLine;
    const bool present = showIndex_ >= 0 && showIndex_ < int(lines_.size());
    raster_.render(present ? lines_[std::size_t(showIndex_)] : kNoLine, font_, space_, rows());
    lineWidth_ = raster_.width();
    cursor_ = -1;
    freshLine_ = true;
}

void SignEngine::beginRunOut() {
    raster_.makeBlank(grid_.cellsIn(length()) + 1);
    lineWidth_ = raster_.width();
    showIndex_ = -1;
    cursor_ = -1;
    runOut_ = true;
    freshLine_ = true;
}

void SignEngine::timerTick() {
    if (!active_)
        return; // a tick that was already queued when the show stopped
    const int steps = sending_ + 1;
    for (int n = 0; n < steps; ++n) {
        if (!step())
            return;
    }
    if (wholeUnpresented_) {
        presentWhole();
        return;
    }
    const int moved = unpresentedShift_;
    unpresentedShift_ = 0;
    host_.presentMoved(moved);
}

void SignEngine::presentWhole() {
    wholeUnpresented_ = false;
    unpresentedShift_ = 0;
    host_.present();
}

// One column: advance the cursor (loading the next line when it runs off the current one),
// move the picture by one dot pitch and draw the entering column. False when the show
// stopped on the way.
bool SignEngine::step() {
    if (!freshLine_) {
        cursor_ += reverse_ ? 1 : -1;
        if (cursor_ >= 0 && cursor_ < lineWidth_) {
            drawEnteringColumn();
            return true;
        }
        // A stop handler may restart the show without a run-out pending; then one more try
        // finds the line of the new list.
        for (int attempt = 0; attempt < 2 && !freshLine_; ++attempt) {
            loadNextLine();
            if (!active_)
                return false;
        }
        if (!freshLine_)
            return true; // still nothing to show; the next step tries again
    }
    freshLine_ = false;
    cursor_ = reverse_ ? 0 : lineWidth_ - 1;
    drawEnteringColumn();
    return true;
}

void SignEngine::drawEnteringColumn() {
    const QSize size = buffer_.size();
    const int along = direction_ ? size.height() : size.width();
    const int pitch = grid_.pitch();
    entry_ = reverse_ ? along - pitch : 0;
    const int delta = reverse_ ? -pitch : pitch;
    buffer_.shift(direction_, delta);
    unpresentedShift_ += delta;

    const QRgb light = syscolor::toQRgb(light_);
    const QRgb back = syscolor::toQRgb(back_);
    const QRgb unlit = bit_ == 1 ? back : syscolor::toQRgb(dark_);
    const int rowCount = rows();
    columnColours_.resize(std::size_t(rowCount));
    for (int row = 0; row < rowCount; ++row)
        columnColours_[std::size_t(row)] = raster_.isLit(cursor_, row) ? light : unlit;
    if (grid_.unscaled())
        buffer_.drawColumn(bit_, direction_, extent(), 0, rowCount, entry_, columnColours_.data(),
                           back);
    else
        buffer_.drawGridColumn(grid_, direction_, rowCount, entry_, columnColours_.data(), back);
}

void SignEngine::paint() {
    if (pictureLength() != length())
        snapAlong();
    // Across the scroll axis the control is exactly the rows' extent.
    const QSize control = host_.controlSize();
    if (!direction_ && control.height() != extent())
        host_.resizeControl(QSize(control.width(), extent()));
    if (direction_ && control.width() != extent())
        host_.resizeControl(QSize(extent(), control.height()));
    if (bufferValid_)
        presentWhole();
    else
        clearDisplay();
}

void SignEngine::clearDisplay() {
    drawIdleGrid();
    presentWhole();
}

void SignEngine::ensurePicture() {
    if (!bufferValid_)
        drawIdleGrid();
}

void SignEngine::drawIdleGrid() {
    bufferValid_ = true;
    wholeUnpresented_ = true;
    buffer_.fill(syscolor::toQRgb(back_));
    const QRgb dark = syscolor::toQRgb(dark_);
    // Two columns more than fit, the last ones partly or wholly cut off by the buffer's edge.
    const int last = grid_.cellsIn(length()) + 1;
    for (int column = 0; column <= last; ++column)
        drawIdleColumn(column, dark);
}

void SignEngine::drawIdleColumn(int column, QRgb dark) {
    const int rowCount = rows();
    for (int row = 0; row < rowCount; ++row) {
        if (grid_.unscaled())
            buffer_.drawIdleDot(bit_, direction_, column, row, dark);
        else if (bit_ > 1) // an unlit dot of pitch 1 is the background
            buffer_.drawGridIdleDot(grid_, direction_, column, row, dark);
    }
}
