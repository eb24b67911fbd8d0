#pragma once

#include "app/GlowtapeSettings.h"

#include <QWidget>
#include <string>

class TForm1;

// The news reader window. Hidden until opened; its layout settings are kept as read so that
// a save writes them back; closing it saves the settings.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    TForm5(TForm1& ticker, const std::string& settingsDirectory);
    void collectSettings(GlowtapeSettings& settings) const;
    // Opens the reader on the current feed and article.
    void ShowReader();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TForm1& ticker_;
    int panelWidth_ = 200;
    int listHeight_ = 200;
    ReaderMode mode_ = ReaderMode::News;
    bool toolBarShown_ = false;
};
