#include "reader/ReaderGeometry.h"

namespace readergeometry {

Placement besideSign(const QRect& ticker, const QRect& reader, bool verticalSign,
                     ReaderPlacement placement) {
    if (placement == ReaderPlacement::NotPlaced)
        return {reader, std::nullopt};
    const bool first = placement == ReaderPlacement::Above; // above, or left when vertical
    if (verticalSign) {
        const int left = first ? ticker.left() - reader.width() : ticker.left() + ticker.width();
        return {QRect(left, ticker.top(), reader.width(), ticker.height()), std::nullopt};
    }
    const int top = first ? ticker.top() - reader.height() : ticker.top() + ticker.height();
    return {QRect(ticker.left(), top, ticker.width(), reader.height()),
            ticker.width() - kAddressBoxMargin};
}

QRect widened(const QRect& reader, const QRect& screen, SavedSpan& saved) {
    saved = {reader.width(), reader.left()};
    return QRect(screen.left(), reader.top(), screen.width(), reader.height());
}

std::optional<QRect> toggledFullWidth(const QRect& reader, const QRect& screen, SavedSpan& saved) {
    if (reader.width() != screen.width())
        return widened(reader, screen, saved);
    // A reader that started screen-wide has nothing to return to.
    if (saved.width <= 80)
        return std::nullopt;
    return QRect(saved.left, reader.top(), saved.width, reader.height());
}

} // namespace readergeometry
