#pragma once

#include "app/settings/ColourText.h"

#include <QFontDialog>
#include <optional>

class QComboBox;

// The font chooser of the article and description fonts: Qt's font dialog with a colour
// choice under it, the sixteen basic colours as in the classic font dialog, preset from the
// current colour (kept as "カスタム" when it is none of them).
class FontColourDialog : public QFontDialog {
    Q_OBJECT
public:
    struct Choice {
        QFont font;
        Colour colour;
    };

    FontColourDialog(const QFont& font, Colour colour, const QString& title, QWidget* parent);

    Colour colour() const;
    QComboBox* colourBox() const { return colours_; }

    // The chosen font and colour, or nothing when cancelled.
    static std::optional<Choice> choose(const QFont& font, Colour colour, const QString& title,
                                        QWidget* parent);

private:
    QComboBox* colours_ = nullptr;
};
