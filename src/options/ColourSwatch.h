#pragma once

#include "app/settings/ColourText.h"

#include <QWidget>
#include <optional>

class TSpeedButtonEX;

// A colour setting as the dialog shows it: a rounded 25 x 25 swatch under a flat 27 x 27
// button named after the setting's label. A click asks for a new colour (see choose()).
class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    ColourSwatch(const QString& label, QWidget* parent);

    Colour colour() const { return colour_; }
    void setColour(Colour colour);
    TSpeedButtonEX* button() const { return button_; }

    // The system colour chooser preset to the swatch's colour: the chosen colour, or nothing
    // when cancelled. The swatch itself is left as it is.
    std::optional<Colour> choose();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TSpeedButtonEX* button_;
    Colour colour_ = 0;
};
