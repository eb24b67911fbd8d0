#pragma once

#include "options/PluginSettings.h"

#include <QGroupBox>

class ColourSwatch;
class QSlider;
struct SettingKey;

// Page 2 "ツールバー": installs the news-bar plug-in's settings and edits its colours and
// speed, each written to PlugIn.ini at once.
class PluginPage : public QGroupBox {
    Q_OBJECT
public:
    PluginPage(const QString& title, PluginSettings settings);

    // The swatches and the speed take the stored plug-in settings once it was installed.
    void load();
    const PluginSettings& settings() const { return settings_; }

private:
    void Button4Click();
    void Button5Click();
    void colourClick(ColourSwatch* swatch, const SettingKey& key);

    PluginSettings settings_;
    ColourSwatch* StitleB = nullptr;
    ColourSwatch* SfontB = nullptr;
    ColourSwatch* SbackB = nullptr;
    QSlider* TrackBar6 = nullptr;
    bool loading_ = false;
};
