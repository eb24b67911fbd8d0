#pragma once

#include "SpeedButtonEX/SpeedButtonGeometry.h"

#include <QAbstractButton>
#include <QImage>
#include <cstdint>

// A flat speed button with a thin border of its own and a see-through pressed face. Flat and
// transparent it is invisible over its parent until the mouse enters it, when a one-pixel
// raised frame is drawn around it. A checkable button that is checked is "Down" (the sticky
// pressed state of a grouped button).
//
// Colours are 0x00BBGGRR or symbolic system colours (0x80000000 + n), resolved when drawn.
class TSpeedButtonEX : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr std::uint32_t clBtnFace = 0x80000000u + 15;
    static constexpr std::uint32_t clBtnShadow = 0x80000000u + 16;
    static constexpr std::uint32_t clBtnHighlight = 0x80000000u + 20;

    explicit TSpeedButtonEX(QWidget* parent = nullptr);

    bool Flat() const { return flat_; }
    void setFlat(bool flat);
    std::uint32_t BorderHighlight() const { return borderHighlight_; }
    void setBorderHighlight(std::uint32_t colour);
    std::uint32_t BorderShadow() const { return borderShadow_; }
    void setBorderShadow(std::uint32_t colour);
    bool DownTransparent() const { return downTransparent_; }
    void setDownTransparent(bool downTransparent);
    // Transparent: no face is filled, so the parent shows through.
    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool Down() const { return isCheckable() && isChecked(); }

    // A strip of NumGlyphs images side by side (up, disabled, clicked, down); the colour of
    // its bottom-left pixel is drawn transparent.
    const QImage& Glyph() const { return glyph_; }
    void setGlyph(const QImage& strip);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);
    speedbutton::Layout Layout() const { return layout_; }
    void setLayout(speedbutton::Layout layout);

    bool hovered() const { return hover_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintFace(QPainter& painter, bool pressed, int imageIndex) const;
    QSize shownSize(QSize pixels) const;
    QColor frameColour(speedbutton::FrameColour which) const;

    bool hover_ = false;
    bool flat_ = true;
    bool transparent_ = true;
    bool downTransparent_ = true;
    std::uint32_t borderHighlight_ = clBtnHighlight;
    std::uint32_t borderShadow_ = clBtnShadow;
    QImage glyph_;
    int numGlyphs_ = 1;
    speedbutton::Layout layout_ = speedbutton::Layout::GlyphLeft;
};
