#include "reader/ReaderLayout.h"

ReaderLayout ReaderLayout::ofMode(ReaderMode mode) {
    // The stored mode is reached from the design layout by the toggle, as often as needed.
    const int toggles = mode == ReaderMode::News ? 0 : mode == ReaderMode::Document ? 1 : 2;
    ReaderLayout layout;
    for (int i = 0; i < toggles; ++i)
        layout = layout.toggled();
    return layout;
}

ReaderLayout ReaderLayout::toggled() const {
    ReaderLayout next = *this;
    if (titlePanel) {
        next.panelLeft = true;
        next.favourites = true;
        next.titlePanel = next.reportList = next.newsList = false;
    } else if (favourites) {
        next.panelLeft = next.favourites = next.titlePanel = next.reportList = next.newsList =
            false;
    } else if (!panelLeft) {
        next.panelLeft = next.reportList = next.titlePanel = next.newsList = true;
        next.favourites = false;
    }
    return next;
}

std::optional<ReaderMode> ReaderLayout::mode() const {
    if (titlePanel)
        return ReaderMode::News;
    if (favourites)
        return ReaderMode::Document;
    if (!panelLeft)
        return ReaderMode::None;
    return std::nullopt;
}
