#pragma once

#include <QRect>

class QImage;
class QWidget;

// One scroll step of a widget shown straight through its window's backing store: the pixels
// already there move `delta` pixels along one axis within `area` (widget coordinates), the
// entering strip is copied from `picture` (which holds the widget's whole picture at (0, 0)),
// and that part of the window is shown. It is what QWidget::scroll and a repaint of the strip
// do, without a round through the event loop and the widget painting.
//
// False, with nothing done, where it cannot be done so: a window not exposed, a scaled
// screen, a native window or a graphics effect between the widget and its window. The caller
// must have painted whatever Qt still owed the area.
bool scrollInBackingStore(QWidget& widget, QRect area, bool vertical, int delta,
                          const QImage& picture);
