#include "options/FilterPage.h"

#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "feed/marks/HeadlineMarks.h"
#include "feed/marks/TickerColours.h"
#include "framework/text/Utf8.h"
#include "options/ColourSwatch.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

FilterPage::FilterPage(const QString& title, HeadlineMarks& marks, TickerColours& colours)
    : QGroupBox(title), marks_(marks), colours_(colours) {
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(std::chrono::seconds(1));
    connect(typingPause_, &QTimer::timeout, this, &FilterPage::applyWords);
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    Mute = addWordList(tr("表示しない語（一行に一語）"), "Mute", this);
    Mark = addWordList(tr("目立たせる語（一行に一語）"), "Mark", this);
    lists->addWidget(Mute->parentWidget());
    lists->addWidget(Mark->parentWidget());
    layout->addLayout(lists, 1);

    auto* markRow = new QHBoxLayout;
    MarkC = addColour(markRow, tr("目立たせる色"), "MarkC", colours_.mark);
    markRow->addStretch();
    layout->addLayout(markRow);

    auto* newRow = new QHBoxLayout;
    NewMark = new QCheckBox(tr("新着の見出しを色で表示"), this);
    NewMark->setObjectName(QStringLiteral("NewMark"));
    NewMark->setAccessibleName(NewMark->text());
    connect(NewMark, &QCheckBox::toggled, this, [this](bool on) { marks_.setNewMark(on); });
    newRow->addWidget(NewMark);
    NewC = addColour(newRow, tr("新着の色"), "NewC", colours_.newHeadline);
    newRow->addStretch();
    layout->addLayout(newRow);

    Notify = new QCheckBox(tr("目立たせる語を含む新着の見出しをデスクトップに通知"), this);
    Notify->setObjectName(QStringLiteral("Notify"));
    Notify->setAccessibleName(Notify->text());
    connect(Notify, &QCheckBox::toggled, this, [this](bool on) { marks_.setNotify(on); });
    layout->addWidget(Notify);
}

ColourSwatch* FilterPage::addColour(QBoxLayout* row, const QString& caption, const char* name,
                                    std::uint32_t& colour) {
    auto* swatch = new ColourSwatch(caption, this);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setColour(colour);
    row->addWidget(swatch);
    row->addWidget(new QLabel(caption, this));
    connect(swatch, &ColourSwatch::clicked, this, [swatch, &colour] {
        if (const auto chosen = swatch->choose()) {
            colour = *chosen;
            swatch->setColour(*chosen);
        }
    });
    return swatch;
}

QPlainTextEdit* FilterPage::addWordList(const QString& caption, const char* name, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    auto* edit = new QPlainTextEdit(group);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(caption);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* column = new QVBoxLayout(group);
    column->addWidget(edit);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] { wordsChanged(edit); });
    edit->installEventFilter(this);
    return edit;
}

void FilterPage::wordsChanged(QPlainTextEdit* edit) {
    const QTextCursor cursor = edit->textCursor();
    const bool lineEnded =
        edit->document()->characterAt(cursor.position() - 1) == QChar::ParagraphSeparator;
    if (edit->hasFocus() && !lineEnded)
        typingPause_->start();
    else
        applyWords();
}

bool FilterPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && typingPause_->isActive())
        applyWords();
    return QGroupBox::eventFilter(watched, event);
}

void FilterPage::applyWords() {
    typingPause_->stop();
    marks_.filter().setMuteWords(joinedWords(Mute->toPlainText()));
    marks_.filter().setMarkWords(joinedWords(Mark->toPlainText()));
}

std::string FilterPage::joinedWords(const QString& lines) {
    QStringList words;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        // A comma would split the word in the settings file.
        const QString word = QString(line).replace(QLatin1Char(','), QLatin1Char(' ')).trimmed();
        if (!word.isEmpty())
            words.push_back(word);
    }
    return utf8::fromQString(words.join(QLatin1Char(',')));
}

QString FilterPage::wordLines(const std::string& joined) {
    QStringList lines;
    for (const QString& word : utf8::toQString(joined).split(QLatin1Char(',')))
        if (!word.trimmed().isEmpty())
            lines.push_back(word.trimmed());
    return lines.join(QLatin1Char('\n'));
}

void FilterPage::load(const SettingsReader& reader) {
    using namespace settings;
    Mute->setPlainText(wordLines(reader.text(filter::Mute)));
    Mark->setPlainText(wordLines(reader.text(filter::Mark)));
    colours_.mark = reader.colourOrDefault(color::mark);
    MarkC->setColour(colours_.mark);
    colours_.newHeadline = reader.colourOrDefault(color::newHeadline);
    NewC->setColour(colours_.newHeadline);
    NewMark->setChecked(reader.is(option::NewMark, flag::True));
    Notify->setChecked(reader.is(option::Notify, flag::True));
}

void FilterPage::collectSettings(GlowtapeSettings& settings) const {
    settings.muteWords = marks_.filter().muteWords();
    settings.markWords = marks_.filter().markWords();
    settings.markColour = colours_.mark;
    settings.newColour = colours_.newHeadline;
    settings.newMark = NewMark->isChecked();
    settings.notify = Notify->isChecked();
}
