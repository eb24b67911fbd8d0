#pragma once

#include <QComboBox>
#include <string>

class SettingsReader;
struct GlowtapeSettings;

// The interface's language on the options' first page: automatic (the desktop's), Japanese,
// and every translation built into the program, each under its own name. A choice takes
// effect at the next start, which the user is told in the chosen language.
class LanguageBox : public QComboBox {
    Q_OBJECT
public:
    explicit LanguageBox(QWidget* parent);

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

private:
    void choose(int index);

    std::string stored_; // kept as read until the user chooses, whatever it says
    bool loading_ = false;
};
