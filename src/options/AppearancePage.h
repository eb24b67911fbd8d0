#pragma once

#include "feed/LineChoices.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
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

private:
    TForm1& ticker_;
    QRadioButton* DecTop = nullptr;
    QRadioButton* DecBottom = nullptr;
    QCheckBox* OP4 = nullptr;
    QComboBox* MainListBox = nullptr;
    QComboBox* DecListBox = nullptr;
};
