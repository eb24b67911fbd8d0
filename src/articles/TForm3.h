#pragma once

#include <QWidget>
#include <string>

class TForm1;
struct GlowtapeSettings;

// The article list window: lists the feeds or the current feed's articles. Hidden until
// opened; closing it saves the settings.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3(TForm1& ticker, const std::string& settingsDirectory);
    void collectSettings(GlowtapeSettings& settings) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TForm1& ticker_;
};
