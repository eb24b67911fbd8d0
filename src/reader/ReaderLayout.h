#pragma once

#include "app/settings/GlowtapeSettings.h"

#include <optional>

// Which of the reader's panels are shown. The reader's mode is read from this, never kept
// beside it: news shows the feed list, the feed's title and its articles; document shows
// the Favorites tree; none hides the left panel.
struct ReaderLayout {
    bool panelLeft = true;
    bool favourites = false;
    bool titlePanel = true;
    bool reportList = true;
    bool newsList = true;

    static ReaderLayout ofMode(ReaderMode mode);

    // The mode toggle: news -> document -> none -> news; any other layout stays.
    ReaderLayout toggled() const;

    // The mode the settings save writes; nothing for a layout that is none of the three.
    std::optional<ReaderMode> mode() const;

    bool operator==(const ReaderLayout&) const = default;
};
