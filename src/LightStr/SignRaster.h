#pragma once

#include "LightStr/SignFont.h"

#include <QImage>
#include <string>

// The current line at one pixel per dot: as wide as the line's advance, one row per dot row.
// A dot is lit when its pixel is anything but pure white.
class SignRaster {
public:
    SignRaster();

    // Draws a line in black on white with the text's top at row `top`. An
    // empty line, or one that measures nothing, is one blank column wide.
    void render(const std::string& utf8Text, const SignFont& font, int top, int rows);

    // The blank that runs out the show: `columns` wide, height kept, all unlit.
    void makeBlank(int columns);

    // Pixels outside the raster are unlit.
    bool isLit(int column, int row) const;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

private:
    void reset(int columns, int rows);

    QImage image_;
};
