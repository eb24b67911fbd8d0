#pragma once

#include <QGroupBox>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QSlider;
class TForm1;

// Page 1 "液晶設定": the sign's speed, feed speed, margin and dot size and the ticker's
// height and width, each applied while its trackbar moves; and the window-mode buttons.
class SignPage : public QGroupBox {
    Q_OBJECT
public:
    SignPage(const QString& title, TForm1& ticker);

    // The trackbars take the sign's and the window's current values; the size maxima are
    // the screen's.
    void presetFromTicker();

    // The page's column, for options added below the window-mode buttons.
    QBoxLayout* column() const { return column_; }

private:
    QSlider* addTrackBar(const char* name, const QString& label, int minimum, int maximum,
                         int position, std::function<void(int)> apply);
    QWidget* buildWindowButtons();

    TForm1& ticker_;
    QBoxLayout* column_ = nullptr;
    QGridLayout* trackBars_ = nullptr;
    bool presetting_ = false;
    QSlider* TrackBar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QSlider* TrackBar4 = nullptr;
    QSlider* TrackBar5 = nullptr;
    QSlider* TrackBar7 = nullptr;
    QCheckBox* Hover = nullptr;
};
