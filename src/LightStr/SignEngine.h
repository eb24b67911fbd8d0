#pragma once

#include "LightStr/DotGrid.h"
#include "LightStr/SignBuffer.h"
#include "LightStr/SignFont.h"
#include "LightStr/SignHost.h"
#include "LightStr/SignRaster.h"

#include <cstdint>
#include <string>
#include <vector>

// The sign without its widget: the line list, the settings, the scrolling state, the line
// raster and the display buffer. Every tick moves the picture by one dot pitch per step and
// draws the entering column; after the last line a blank one sign long runs the text out and
// the show stops. Events go to the host synchronously; their handlers may call back into the
// engine (start, stop, change settings, edit the lines).
class SignEngine {
public:
    // Larger values are refused by the setters: they would ask for images no screen shows.
    static constexpr int kMaxExtent = 8192;
    static constexpr int kMaxSending = 999;

    // `length` is the control's initial size along the scroll axis.
    SignEngine(SignHost& host, int length);

    // Colours, 0x00BBGGRR or symbolic system colours; they apply to dots drawn afterwards.
    std::uint32_t lightColor() const { return light_; }
    void setLightColor(std::uint32_t colour) { light_ = colour; }
    std::uint32_t darkColor() const { return dark_; }
    void setDarkColor(std::uint32_t colour) { dark_ = colour; }
    std::uint32_t backColor() const { return back_; }
    void setBackColor(std::uint32_t colour) { back_ = colour; }

    // The lines. Editing them directly keeps showIndex and showCount.
    std::vector<std::string>& lines() { return lines_; }
    void setLines(const std::vector<std::string>& lines);
    int showIndex() const { return showIndex_; }
    void setShowIndex(int index);
    int showCount() const { return showCount_; }

    int bit() const { return bit_; }
    void setBit(int bit);
    int space() const { return space_; }
    void setSpace(int space);
    int sending() const { return sending_; }
    void setSending(int sending);
    bool reverse() const { return reverse_; }
    void setReverse(bool reverse) {
        reverse_ = reverse;
        wholeUnpresented_ = true;
    }
    bool direction() const { return direction_; }
    void setDirection(bool vertical) {
        direction_ = vertical;
        wholeUnpresented_ = true;
    }
    bool showActive() const { return active_; }
    unsigned showInterval() const { return interval_; }
    void setShowInterval(unsigned milliseconds);
    int showFontH() const { return fontH_; }
    void setShowFontH(int height);
    bool showLoop() const { return loop_; }
    void setShowLoop(bool loop);

    // Device pixels per logical pixel of the screen the sign is shown on. The picture is held
    // in device pixels, in whole cells of DotGrid's pitch; a change redraws it as the idle
    // grid at the new pitch (the control may change by less than a dot per edge).
    qreal scale() const { return grid_.scale(); }
    void setScale(qreal scale);
    const DotGrid& grid() const { return grid_; }

    // The font lines are rendered in; read when each line is loaded.
    SignFont& font() { return font_; }
    const SignFont& font() const { return font_; }

    void startShow();
    void stopShow();
    void clearDisplay();
    // Snaps the control to whole dots, then shows the buffer (or the idle grid when the
    // buffer holds no picture).
    void paint();
    // Draws the idle grid when the buffer holds no picture, without presenting it.
    void ensurePicture();
    // A repaint has shown the buffer as it is now, though moves of it are still to be
    // presented (a tick stopped half-way): the next present shows the whole buffer.
    void pictureExposed() {
        if (unpresentedShift_ != 0)
            wholeUnpresented_ = true;
    }
    void timerTick();

    // Dot rows across the sign, and the sign's size across the scroll axis in logical pixels.
    int rows() const { return fontH_ + 2 * space_; }
    int extent() const { return grid_.logicalLength(rows()); }
    // The control's length along the scroll axis that shows the picture.
    int pictureLength() const;

    int cursor() const { return cursor_; }
    int lineWidth() const { return lineWidth_; }
    int entryPosition() const { return entry_; }
    bool runOut() const { return runOut_; }
    bool bufferValid() const { return bufferValid_; }
    const SignRaster& raster() const { return raster_; }
    SignRaster& raster() { return raster_; }
    const SignBuffer& buffer() const { return buffer_; }

private:
    bool step();
    void drawEnteringColumn();
    void loadNextLine();
    void beginRunOut();
    void recomputeAcross();
    void snapAlong();
    void drawIdleGrid();
    void drawIdleColumn(int column, QRgb dark);
    int length() const;
    void presentWhole();
    bool fitsExtent(int bit, int fontH, int space) const;

    SignHost& host_;

    std::uint32_t light_ = 0x0000FF00;
    std::uint32_t dark_ = 0x00808000;
    std::uint32_t back_ = 0x00000000;
    std::vector<std::string> lines_;
    int showIndex_ = -1;
    int showCount_ = 0;
    int bit_ = 4;
    int space_ = 0;
    int sending_ = 0;
    bool reverse_ = true;
    bool direction_ = false;
    bool active_ = false;
    unsigned interval_ = 10;
    int fontH_ = 11;
    bool loop_ = false;
    SignFont font_;
    DotGrid grid_{bit_, 1.0};

    int cursor_ = 0;
    int lineWidth_ = 0;
    int entry_ = -1;
    bool bufferValid_ = false;
    bool runOut_ = false;
    // A line (or the run-out blank) has been loaded and none of its columns drawn yet; the
    // next step starts at its first column in whichever direction the sign then runs.
    bool freshLine_ = false;
    // What changed in the buffer since it was last presented: moves along the scroll axis,
    // or anything else.
    int unpresentedShift_ = 0;
    bool wholeUnpresented_ = true;

    SignRaster raster_;
    SignBuffer buffer_;
    std::vector<QRgb> columnColours_; // the entering column, reused from step to step
};
