#include "articles/TForm3.h"

#include "app/GlowtapeSettings.h"
#include "app/SettingKeys.h"
#include "app/SettingsReader.h"
#include "app/WindowPlacement.h"
#include "ticker/TForm1.h"

#include <QCloseEvent>

TForm3::TForm3(TForm1& ticker, const std::string& settingsDirectory)
    : QWidget(&ticker, Qt::Tool), ticker_(ticker) {
    using namespace settings;
    const SettingsReader reader(settingsDirectory + std::string(kSettingsFileName));
    windowplacement::restore(*this, reader, window3::T, window3::L, window3::W, window3::H);
}

void TForm3::collectSettings(GlowtapeSettings& settings) const {
    settings.articles = windowplacement::boundsOf(*this);
}

void TForm3::closeEvent(QCloseEvent* event) {
    ticker_.SaveSettings();
    event->accept();
}
