#pragma once

#include "app/settings/GlowtapeSettings.h"
#include "reader/ReaderOptions.h"

#include <QGroupBox>
#include <string>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class SettingsReader;

// Page 3 "表示位置": the browser program, the news reader's options and where the reader and
// the docked sign go.
class PositionPage : public QGroupBox {
    Q_OBJECT
public:
    explicit PositionPage(const QString& title);

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

    // The program that opens articles; empty for the desktop's handler.
    std::string browserProgram() const;
    ReaderOptions readerOptions() const;
    // Left/right captions for a vertical sign, top/bottom for a horizontal one.
    void setVerticalCaptions(bool vertical);
    // The always-show edge: top (left for a vertical sign) rather than bottom (right).
    bool dockAtFirstEdge() const;

private:
    void chooseBrowser();

    QLineEdit* UrlEXE = nullptr;
    QLineEdit* DefUri = nullptr;
    QCheckBox* OP2 = nullptr;
    QRadioButton* OP7a = nullptr;
    QRadioButton* OP7b = nullptr;
    QCheckBox* OP11a = nullptr;
    QCheckBox* OP11b = nullptr;
    QCheckBox* OP12 = nullptr;
    QCheckBox* OP13 = nullptr;
};
