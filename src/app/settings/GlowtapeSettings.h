#pragma once

#include "app/settings/ColourText.h"
#include "framework/files/Outcome.h"

#include <optional>
#include <string>

class SettingsReader;
class SettingsWriter;

struct WindowBounds {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowBounds&) const = default;
};

// The news reader's layout, stored as "news", "document" or "none".
enum class ReaderMode { News, Document, None };

// Where the news reader opens next to the sign: "up", "down", or empty for not placed.
enum class ReaderPlacement { Above, Below, NotPlaced };

// Every value of glowtape3.ini, as the windows hold them at the settings save.
struct GlowtapeSettings {
    // window
    WindowBounds ticker;      // in always-show mode: the bounds before docking, height current
    int titleColumnWidth = 0; // List0
    int uriColumnWidth = 0;   // List1
    // window2, window3
    WindowBounds options;
    WindowBounds articles;
    // window5
    WindowBounds reader;
    int readerPanelWidth = 0; // S1
    int readerListHeight = 0; // S2
    // Nothing when the reader's layout matches none of the modes: the stored value stays.
    std::optional<ReaderMode> readerMode;
    bool readerToolBar = false; // cont
    // color
    Colour articleColour = 0;
    Colour titleColour = 0;
    Colour darkColour = 0;
    Colour backColour = 0;
    Colour descriptionColour = 0;
    Colour markColour = 0; // mark
    Colour newColour = 0;  // new
    // font
    std::string articleFontName;     // name1
    std::string verticalFontName;    // name2
    int articleFontStyle = 0;        // OP1
    int textHeight = 0;              // size1, the sign's ShowFontH
    std::string descriptionFontName; // name3
    int descriptionFontStyle = 0;    // OP2
    int descriptionFontSize = 0;     // size2
    // option
    bool border = false;          // OP0
    bool readerFullWidth = false; // OP2
    bool launchButtons = false;   // OP4
    int showInterval = 0;         // OP5
    bool topmost = false;         // OP6
    bool dockAtTop = false;       // OP7: "up" when true, else "down"
    bool alwaysShow = false;      // OP8
    int space = 0;                // OP9
    int bit = 0;                  // OP10, also written to window/B
    ReaderPlacement readerPlacement = ReaderPlacement::NotPlaced; // OP11
    bool showCurrentArticle = false;                              // OP12
    bool showHomeAddress = false;                                 // OP13
    bool descriptionAtTop = false;                                // OP15
    int sending = 0;                                              // OP16
    bool vertical = false;                                        // Direct
    bool reverse = false;                                         // Rever
    bool pauseOnHover = false;                                    // Hover
    int refreshMinutes = 0;                                       // Refresh
    bool newMark = false;                                         // NewMark
    bool notify = false;                                          // Notify
    std::string language;                                         // Language
    std::string browserProgram;                                   // urlEXE
    std::string homeAddress;                                      // DefUri
    // select
    int headlineChoice = 0;    // main
    int descriptionChoice = 0; // dec
    // filter
    std::string muteWords; // Mute
    std::string markWords; // Mark
    // account, code page 932
    int accountService = 0;    // service
    std::string accountServer; // server
    std::string accountUser;   // user

    bool operator==(const GlowtapeSettings&) const = default;

    // Every value at its default, as with no settings file.
    static GlowtapeSettings defaults();

    // Reads every key by its read rule. A colour text that cannot be read leaves that
    // colour at its default here; the ticker window, which stops its loading at such a
    // key, reads its colours through SettingsReader::colour itself.
    static GlowtapeSettings read(const SettingsReader& reader);
    // The news reader's mode by the read rule of window5/Mode.
    static ReaderMode readerModeOf(const SettingsReader& reader);

    // Writes every key in the order of the settings save; a new file thus has the sections
    // window, window2, window3, window5, option, color, font, select, filter,
    // account.
    void writeTo(SettingsWriter& writer) const;

    // Writes glowtape3.ini at path. On failure the message "<full path> に書き込めません";
    // the caller then skips the rest of the save, news.csv included.
    Outcome save(const std::string& path) const;

    // The ticker's height after loading: a stored height of 0 becomes 4 x text height + 15.
    static int tickerHeightAfterLoad(int storedHeight, int textHeight);
};
