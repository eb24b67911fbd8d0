#pragma once

#include "app/settings/GlowtapeSettings.h"

class QWidget;
class SettingsReader;
struct SettingKey;

// A window's stored bounds: top and left of its frame, width and height of its client
// area, so that what a save writes the next start restores unchanged.
namespace windowplacement {

WindowBounds read(const SettingsReader& reader, const SettingKey& top, const SettingKey& left,
                  const SettingKey& width, const SettingKey& height);
void restore(QWidget& window, const SettingsReader& reader, const SettingKey& top,
             const SettingKey& left, const SettingKey& width, const SettingKey& height);
WindowBounds boundsOf(const QWidget& window);

} // namespace windowplacement
