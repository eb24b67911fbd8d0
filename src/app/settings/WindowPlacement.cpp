#include "app/settings/WindowPlacement.h"

#include "app/settings/SettingsReader.h"

#include <QWidget>

namespace windowplacement {

WindowBounds read(const SettingsReader& reader, const SettingKey& top, const SettingKey& left,
                  const SettingKey& width, const SettingKey& height) {
    return {reader.integer(top), reader.integer(left), reader.integer(width),
            reader.integer(height)};
}

void restore(QWidget& window, const SettingsReader& reader, const SettingKey& top,
             const SettingKey& left, const SettingKey& width, const SettingKey& height) {
    const WindowBounds bounds = read(reader, top, left, width, height);
    window.move(bounds.left, bounds.top);
    window.resize(bounds.width, bounds.height);
}

WindowBounds boundsOf(const QWidget& window) {
    return {window.pos().y(), window.pos().x(), window.width(), window.height()};
}

} // namespace windowplacement
