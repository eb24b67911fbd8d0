#pragma once

#include <QGroupBox>
#include <cstdint>

class ColourSwatch;
class QBoxLayout;
class QCheckBox;
class HeadlineMarks;
class QPlainTextEdit;
class QTimer;
class SettingsReader;
struct GlowtapeSettings;
struct TickerColours;

// Page "フィルタ": the words that mute an article and those that mark it, one word a line,
// the colour of a marked title line, whether and in what colour a new headline is lit, and
// whether a new marked headline raises a desktop notification.
// A word typed into a list applies once the user has finished it (Enter, leaving the list,
// or a second without typing), so that the first letters of "Apple" never mute or mark
// every headline with an "A" in the meantime; other changes apply at once.
class FilterPage : public QGroupBox {
    Q_OBJECT
public:
    FilterPage(const QString& title, HeadlineMarks& marks, TickerColours& colours);

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

    QPlainTextEdit* muteWords() const { return Mute; }
    QPlainTextEdit* markWords() const { return Mark; }

    // Words as the settings keep them: one a line here, separated by "," there.
    static std::string joinedWords(const QString& lines);
    static QString wordLines(const std::string& joined);

private:
    QPlainTextEdit* addWordList(const QString& caption, const char* name, QWidget* parent);
    void applyWords();
    // A change to a list: at once unless the user is still typing a word in it.
    void wordsChanged(QPlainTextEdit* edit);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A swatch of one of the ticker's colours, with its caption, at the end of `row`.
    ColourSwatch* addColour(QBoxLayout* row, const QString& caption, const char* name,
                            std::uint32_t& colour);

    HeadlineMarks& marks_;
    TickerColours& colours_;
    QPlainTextEdit* Mute = nullptr;
    QPlainTextEdit* Mark = nullptr;
    ColourSwatch* MarkC = nullptr;
    QCheckBox* NewMark = nullptr;
    ColourSwatch* NewC = nullptr;
    QCheckBox* Notify = nullptr;
    QTimer* typingPause_ = nullptr;
};
