#pragma once

#include "app/settings/GlowtapeSettings.h"

#include <QRect>
#include <optional>

// Where the news reader goes, from plain frame rectangles. The address box keeps 180
// pixels of the width for the buttons beside it.
namespace readergeometry {

constexpr int kAddressBoxMargin = 180;

struct Placement {
    QRect frame;
    std::optional<int> addressBoxWidth; // nothing: left as it is
};

// The reader beside the sign: left or right of a vertical sign with its height, above or
// below a horizontal one with its width. NotPlaced leaves the reader where it is.
Placement besideSign(const QRect& ticker, const QRect& reader, bool verticalSign,
                     ReaderPlacement placement);

// Width and left edge kept from before the reader was widened to the screen.
struct SavedSpan {
    int width = 0;
    int left = 0;
};

// Widens the reader to the screen, remembering where it was.
QRect widened(const QRect& reader, const QRect& screen, SavedSpan& saved);

// The full-width toggle: back to the saved span when the reader is exactly screen-wide
// (nothing when no usable span was saved), else widened.
std::optional<QRect> toggledFullWidth(const QRect& reader, const QRect& screen, SavedSpan& saved);

} // namespace readergeometry
