#include "LightStr/SignEngine.h"

#include "LightStr/DotCell.h"
#include "framework/SystemColor.h"

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
    recomputeAcross();
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

void SignEngine::recomputeAcross() {
    const QSize control = host_.controlSize();
    const QSize buffer = buffer_.size();
    const QRgb back = syscolor::toQRgb(back_);
    wholeUnpresented_ = true;
    if (!direction_) {
        host_.resizeControl(QSize(control.width(), extent()));
        buffer_.resize(QSize(buffer.width(), host_.controlSize().height()), back);
    } else {
        host_.resizeControl(QSize(extent(), control.height()));
        buffer_.resize(QSize(host_.controlSize().width(), buffer.height()), back);
    }
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
    raster_.makeBlank(length() / bit_ + 1);
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
    entry_ = reverse_ ? along - bit_ : 0;
    const int delta = reverse_ ? -bit_ : bit_;
    buffer_.shift(direction_, delta);
    unpresentedShift_ += delta;

    const QRgb light = syscolor::toQRgb(light_);
    const QRgb back = syscolor::toQRgb(back_);
    const QRgb unlit = bit_ == 1 ? back : syscolor::toQRgb(dark_);
    const int rowCount = rows();
    columnColours_.resize(std::size_t(rowCount));
    for (int row = 0; row < rowCount; ++row)
        columnColours_[std::size_t(row)] = raster_.isLit(cursor_, row) ? light : unlit;
    buffer_.drawColumn(bit_, direction_, extent(), 0, rowCount, entry_, columnColours_.data(),
                       back);
}

void SignEngine::paint() {
    const QRgb back = syscolor::toQRgb(back_);
    QSize control = host_.controlSize();
    QSize buffer = buffer_.size();
    // Along the scroll axis the control snaps down to whole dots (at least one); across it
    // is exactly the rows' extent.
    const auto snapped = [this](int size) {
        const int whole = bit_ * (size / bit_);
        return whole > 0 ? whole : bit_;
    };
    if (!direction_) {
        if (buffer.width() != control.width()) {
            host_.resizeControl(QSize(snapped(control.width()), control.height()));
            control = host_.controlSize();
            buffer_.resize(QSize(control.width(), buffer.height()), back);
            bufferValid_ = false;
            wholeUnpresented_ = true;
        }
        if (control.height() != extent())
            host_.resizeControl(QSize(control.width(), extent()));
    } else {
        if (buffer.height() != control.height()) {
            host_.resizeControl(QSize(control.width(), snapped(control.height())));
            control = host_.controlSize();
            buffer_.resize(QSize(buffer.width(), control.height()), back);
            bufferValid_ = false;
            wholeUnpresented_ = true;
        }
        if (control.width() != extent())
            host_.resizeControl(QSize(extent(), control.height()));
    }
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
    const int last = length() / bit_ + 1;
    for (int column = 0; column <= last; ++column)
        drawIdleColumn(column, dark);
}

void SignEngine::drawIdleColumn(int column, QRgb dark) {
    const int rowCount = rows();
    for (int row = 0; row < rowCount; ++row)
        buffer_.drawIdleDot(bit_, direction_, column, row, dark);
}
