#include "app/WindowPlacement.h"

#include "app/SettingsReader.h"

#include <QWidget>

namespace windowplacement {

void restore(QWidget& window, const SettingsReader& reader, const SettingKey& top,
             const SettingKey& left, const SettingKey& width, const SettingKey& height) {
    window.move(reader.integer(left), reader.integer(top));
    window.resize(reader.integer(width), reader.integer(height));
}

WindowBounds boundsOf(const QWidget& window) {
    return {window.pos().y(), window.pos().x(), window.width(), window.height()};
}

} // namespace windowplacement
