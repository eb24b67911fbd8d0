#pragma once

#include "feed/rotation/LineChoices.h"

#include <QGroupBox>

class ColourSwatch;
class LanguageBox;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class SettingsReader;
class TForm1;
struct GlowtapeSettings;

// Page 0 "文字色　サイズ": the ticker's colours and fonts, the two line choices and where the
// description bar goes.
class AppearancePage : public QGroupBox, public LineChoices {
    Q_OBJECT
public:
    AppearancePage(const QString& title, TForm1& ticker);

    int MainList() const override;
    int DecList() const override;

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;
    // The swatches take the ticker's current colours.
    void showCurrentColours();

private:
    QWidget* buildColours();
    void TitleBClick();
    void FontBClick();
    void DarkBClick();
    void BackBClick();
    void DescBClick();
    void articleFontClick();
    void descriptionFontClick();

    TForm1& ticker_;
    ColourSwatch* TitleC = nullptr;
    ColourSwatch* FontC = nullptr;
    ColourSwatch* DarkC = nullptr;
    ColourSwatch* BackC = nullptr;
    ColourSwatch* DescC = nullptr;
    QPushButton* articleFont_ = nullptr;
    QPushButton* descriptionFont_ = nullptr;
    QRadioButton* DecTop = nullptr;
    QRadioButton* DecBottom = nullptr;
    QCheckBox* OP4 = nullptr;
    QComboBox* MainListBox = nullptr;
    QComboBox* DecListBox = nullptr;
    LanguageBox* language_ = nullptr;
};
