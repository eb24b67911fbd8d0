#include "SpeedButtonEX/TSpeedButtonEX.h"

#include "framework/x11/SystemColor.h"

#include <QPainter>
#include <QPixmap>

namespace {

void drawFrame(QPainter& painter, const QRect& rect, const QColor& topLeft,
               const QColor& bottomRight) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

TSpeedButtonEX::TSpeedButtonEX(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
}

void TSpeedButtonEX::setFlat(bool flat) {
    if (flat_ != flat) {
        flat_ = flat;
        update();
    }
}

void TSpeedButtonEX::setBorderHighlight(std::uint32_t colour) {
    if (borderHighlight_ != colour) {
        borderHighlight_ = colour;
        update();
    }
}

void TSpeedButtonEX::setBorderShadow(std::uint32_t colour) {
    if (borderShadow_ != colour) {
        borderShadow_ = colour;
        update();
    }
}

void TSpeedButtonEX::setDownTransparent(bool downTransparent) {
    if (downTransparent_ != downTransparent) {
        downTransparent_ = downTransparent;
        update();
    }
}

void TSpeedButtonEX::setTransparent(bool transparent) {
    if (transparent_ != transparent) {
        transparent_ = transparent;
        update();
    }
}

void TSpeedButtonEX::setGlyph(const QImage& strip) {
    glyph_ = strip.convertToFormat(QImage::Format_ARGB32);
    update();
    updateGeometry();
}

void TSpeedButtonEX::setNumGlyphs(int count) {
    if (count >= 1 && count <= 4 && count != numGlyphs_) {
        numGlyphs_ = count;
        update();
        updateGeometry();
    }
}

void TSpeedButtonEX::setLayout(speedbutton::Layout layout) {
    if (layout_ != layout) {
        layout_ = layout;
        update();
    }
}

QSize TSpeedButtonEX::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
    const QSize image =
        shownSize(speedbutton::glyphSource(glyph_.size(), numGlyphs_, speedbutton::UpImage).size());
    const bool beside =
        layout_ == speedbutton::Layout::GlyphLeft || layout_ == speedbutton::Layout::GlyphRight;
    QSize content = caption;
    if (!image.isEmpty())
        content = beside ? QSize(caption.width() + image.width() + 4,
                                 std::max(caption.height(), image.height()))
                         : QSize(std::max(caption.width(), image.width()),
                                 caption.height() + image.height() + 4);
    return content.expandedTo(QSize(17, 17)) + QSize(8, 8);
}

void TSpeedButtonEX::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TSpeedButtonEX::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

QColor TSpeedButtonEX::frameColour(speedbutton::FrameColour which) const {
    switch (which) {
    case speedbutton::FrameColour::BorderHighlight:
        return QColor::fromRgb(syscolor::toQRgb(borderHighlight_));
    case speedbutton::FrameColour::BorderShadow:
        return QColor::fromRgb(syscolor::toQRgb(borderShadow_));
    case speedbutton::FrameColour::ButtonShadow:
        return QColor::fromRgb(syscolor::toQRgb(clBtnShadow));
    case speedbutton::FrameColour::ButtonFace:
        return QColor::fromRgb(syscolor::toQRgb(clBtnFace));
    }
    return {};
}

// A glyph drawn for a scaled screen keeps its logical size there.
QSize TSpeedButtonEX::shownSize(QSize pixels) const {
    return (QSizeF(pixels) / glyph_.devicePixelRatio()).toSize();
}

// Glyph and caption; `pressed` moves both one pixel.
void TSpeedButtonEX::paintFace(QPainter& painter, bool pressed, int imageIndex) const {
    const QRect source = speedbutton::glyphSource(glyph_.size(), numGlyphs_, imageIndex);
    const QSize caption =
        text().isEmpty() ? QSize(0, 0) : fontMetrics().size(Qt::TextSingleLine, text());
    const speedbutton::FacePositions at =
        speedbutton::facePositions(size(), caption, shownSize(source.size()), layout_, pressed);
    if (!source.isEmpty()) {
        QImage image = glyph_.copy(source);
        const QRgb see = glyph_.pixel(0, glyph_.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == see)
                    line[x] = 0;
        }
        painter.drawImage(at.glyph, image);
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(QRect(at.caption, caption), Qt::AlignLeft | Qt::AlignTop, text());
    }
}

void TSpeedButtonEX::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const speedbutton::PaintPlan plan =
        speedbutton::paintPlan({size(), Down(), hover_, flat_, transparent_, downTransparent_});
    if (plan.face == speedbutton::Face::SeeThrough) {
        paintFace(painter, true, speedbutton::DownImage);
    } else {
        // The base button: a filled face unless transparent, an edge when not flat, and the
        // pressed look while held down or Down.
        const bool pressed = isDown() || Down();
        if (!transparent_ || !flat_)
            painter.fillRect(rect(), QColor::fromRgb(syscolor::toQRgb(clBtnFace)));
        if (!flat_ && !pressed)
            drawFrame(painter, rect().adjusted(1, 1, -1, -1), Qt::white,
                      QColor::fromRgb(syscolor::toQRgb(clBtnShadow)));
        const int imageIndex = !isEnabled() ? speedbutton::DisabledImage
                               : Down()     ? speedbutton::DownImage
                               : pressed    ? speedbutton::ClickedImage
                                            : speedbutton::UpImage;
        paintFace(painter, pressed, imageIndex);
    }
    for (const speedbutton::Frame& frame : plan.frames)
        drawFrame(painter, frame.rect, frameColour(frame.topLeft), frameColour(frame.bottomRight));
}
