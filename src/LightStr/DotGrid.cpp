#include "LightStr/DotGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// Products of a length and the ratio land a hair beside whole numbers (1.1 × 10); this much
// is taken as whole.
constexpr double kSlack = 1e-6;

// Whether the pixel centred at (x, y) of a rounded square `side` long lies inside it. The
// corner radius is a third of the side: small dots stay square, large ones look like lamps.
bool insideRoundedSquare(double x, double y, int side) {
    const double radius = side / 3.0;
    const double dx = std::max({radius - x, x - (side - radius), 0.0});
    const double dy = std::max({radius - y, y - (side - radius), 0.0});
    return dx * dx + dy * dy <= radius * radius + kSlack;
}

} // namespace

DotGrid::DotGrid(int bit, qreal scale)
    : bit_(std::max(1, bit)), scale_(scale > 0 ? scale : 1.0),
      pitch_(std::max(1, int(std::lround(bit_ * scale_)))) {
    if (unscaled())
        return;
    // The gap is one logical pixel, at least one device pixel, never the whole cell.
    const int gap =
        bit_ == 1 || pitch_ == 1 ? 0 : std::clamp(int(std::floor(scale_)), 1, pitch_ - 1);
    const int side = pitch_ - gap;
    mask_.assign(std::size_t(pitch_) * std::size_t(pitch_), 0);
    for (int y = gap; y < pitch_; ++y)
        for (int x = gap; x < pitch_; ++x)
            mask_[std::size_t(y) * std::size_t(pitch_) + std::size_t(x)] =
                insideRoundedSquare(x - gap + 0.5, y - gap + 0.5, side) ? 1 : 0;
}

int DotGrid::cellsIn(int logical) const {
    if (unscaled())
        return logical / bit_;
    return int(std::floor(logical * scale_ / pitch_ + kSlack));
}

int DotGrid::logicalLength(int cells) const {
    if (unscaled())
        return cells * bit_;
    return int(std::ceil(cells * pitch_ / scale_ - kSlack));
}

int DotGrid::deviceLength(int logical) const {
    if (unscaled())
        return logical;
    return std::max(1, cellsIn(logical)) * pitch_;
}

int DotGrid::logicalOf(int device) const {
    if (unscaled())
        return device;
    return int(std::ceil(device / scale_ - kSlack));
}
