#include "options/PluginSettings.h"

#include "app/FeedListFile.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/SettingsWriter.h"

#include <QByteArray>
#include <QDir>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {
Colour colourOrDefault(const SettingsReader& reader, const SettingKey& key) {
    if (const ColourRead read = reader.colour(key); read.colour)
        return *read.colour;
    return colourtext::fromText(key.defaultText).value_or(0);
}
} // namespace

PluginSettings::PluginSettings(std::string folder, std::string settingsDirectory)
    : folder_(std::move(folder)), settingsDirectory_(std::move(settingsDirectory)) {}

std::string PluginSettings::defaultFolder() {
    QByteArray base = qgetenv("ProgramFiles");
    if (base.isEmpty())
        base = qgetenv("XDG_DATA_HOME");
    if (base.isEmpty())
        base = (QDir::homePath() + QStringLiteral("/.local/share")).toUtf8();
    return base.toStdString() + "/glowtape";
}

std::string PluginSettings::iniPath() const {
    return folder_ + "/" + std::string(settings::pluginini::kFileName);
}

PluginSettings::Choices PluginSettings::load() const {
    using namespace settings;
    const SettingsReader data(settingsDirectory_ + std::string(kDataFileName));
    if (!data.is(plugin::Bar, flag::True))
        return {kDesignColour, kDesignColour, kDesignColour, kDesignSpeed};
    const SettingsReader reader(iniPath());
    return {colourOrDefault(reader, pluginini::OP1), colourOrDefault(reader, pluginini::OP2),
            colourOrDefault(reader, pluginini::OP3), reader.integer(pluginini::speed)};
}

void PluginSettings::createFolder() const {
    std::error_code ignored; // an existing folder, or one that cannot be made: the write tells
    std::filesystem::create_directories(folder_, ignored);
}

Outcome PluginSettings::install(const std::string& programPath) const {
    using namespace settings;
    createFolder();
    SettingsWriter plugin(iniPath());
    plugin.text(pluginini::file, settingsDirectory_ + std::string(FeedListFile::kFileName));
    plugin.text(pluginini::exe, programPath);
    if (Outcome saved = plugin.save(); !saved.ok())
        return saved;
    SettingsWriter data(settingsDirectory_ + std::string(kDataFileName));
    data.text(plugin::Bar, flag::True);
    return data.save();
}

Outcome PluginSettings::writeColour(const SettingKey& key, Colour colour) const {
    // The folder is not created here: without an installation the write fails.
    SettingsWriter writer(iniPath());
    writer.colour(key, colour);
    return writer.save();
}

Outcome PluginSettings::writeSpeed(int speed) const {
    createFolder();
    SettingsWriter writer(iniPath());
    writer.integer(settings::pluginini::speed, speed);
    return writer.save();
}
