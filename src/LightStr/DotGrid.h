#pragma once

#include <QtGlobal>
#include <vector>

// The sign's dot cells on the screen. A cell is `bit` logical pixels; on a screen of another
// device pixel ratio it becomes a whole number of device pixels (the pitch), the same for
// every cell, so that no two dots differ in size or shape. Lengths along either axis convert
// between the control's logical pixels and whole cells of the picture.
//
// At ratio 1 the pitch is `bit` and every conversion is the identity; the engine then draws
// the classic cell patterns. At other ratios the cell is drawn here at device resolution: a
// gap of one logical pixel along its top and left edges (none for `bit` 1) and the dot in the
// rest, its corners rounded as far as the finer grid can show it.
class DotGrid {
public:
    DotGrid(int bit, qreal scale);

    int bit() const { return bit_; }
    qreal scale() const { return scale_; }
    // One device pixel per logical pixel.
    bool unscaled() const { return scale_ == 1.0; }
    // Device pixels per cell.
    int pitch() const { return pitch_; }

    // Whole cells a control `logical` pixels long holds.
    int cellsIn(int logical) const;
    // The logical length that shows `cells` whole cells (rounded up to a whole pixel).
    int logicalLength(int cells) const;
    // The picture's length in device pixels for a control `logical` pixels long: whole cells.
    int deviceLength(int logical) const;
    // The control length that shows a picture `device` pixels long.
    int logicalOf(int device) const;

    // Whether the cell's device pixel (x, y), counted from its top-left corner, belongs to the
    // dot (else to the gap around it). Only meaningful when not unscaled.
    bool isDot(int x, int y) const {
        return mask_[std::size_t(y) * std::size_t(pitch_) + std::size_t(x)] != 0;
    }

private:
    int bit_;
    qreal scale_;
    int pitch_;
    std::vector<unsigned char> mask_; // pitch × pitch, row by row
};
