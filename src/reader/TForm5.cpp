#include "reader/TForm5.h"

#include "app/SettingKeys.h"
#include "app/SettingsReader.h"
#include "app/WindowPlacement.h"
#include "ticker/TForm1.h"

#include <QCloseEvent>
#include <QPushButton>

TForm5::TForm5(TForm1& ticker, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool), ticker_(ticker) {
    using namespace settings;
    const SettingsReader reader(settingsDirectory + std::string(kSettingsFileName));
    windowplacement::restore(*this, reader, window5::T, window5::L, window5::W, window5::H);
    panelWidth_ = reader.integer(window5::S1);
    listHeight_ = reader.integer(window5::S2);
    mode_ = GlowtapeSettings::readerModeOf(reader);
    toolBarShown_ = reader.is(window5::cont, flag::True);
}

void TForm5::collectSettings(GlowtapeSettings& settings) const {
    settings.reader = windowplacement::boundsOf(*this);
    settings.readerPanelWidth = panelWidth_;
    settings.readerListHeight = listHeight_;
    settings.readerMode = mode_;
    settings.readerToolBar = toolBarShown_;
}

void TForm5::ShowReader() {
    show();
    raise();
}

void TForm5::closeEvent(QCloseEvent* event) {
    ticker_.closeButton()->hide();
    ticker_.SaveSettings();
    event->accept();
}
