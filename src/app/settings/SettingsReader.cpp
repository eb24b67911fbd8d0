#include "app/settings/SettingsReader.h"

#include "app/settings/IntegerText.h"
#include "framework/text/Utf8.h"

#include <QCoreApplication>
#include <cassert>

SettingsReader::SettingsReader(const std::string& path) : file_(path) {}

int SettingsReader::integer(const SettingKey& key) const {
    assert(key.form == SettingForm::Integer || key.form == SettingForm::FontStyle);
    if (const auto stored = file_.value(key.section, key.name)) {
        if (const auto number = integertext::parse(*stored))
            return *number;
    }
    return integertext::parse(key.defaultText).value_or(0);
}

std::string SettingsReader::text(const SettingKey& key) const {
    assert(key.form == SettingForm::Text || key.form == SettingForm::WholeText ||
           key.form == SettingForm::Flag);
    if (key.form == SettingForm::WholeText)
        return file_.value(key.section, key.name, IniFile::kMaxFileBytes)
            .value_or(std::string(key.defaultText));
    return file_.read(key.section, key.name, key.defaultText);
}

bool SettingsReader::is(const SettingKey& key, std::string_view flagText) const {
    return text(key) == flagText;
}

Colour SettingsReader::colourOrDefault(const SettingKey& key) const {
    return colour(key).colour.value_or(*colourtext::fromText(key.defaultText));
}

ColourRead SettingsReader::colour(const SettingKey& key) const {
    assert(key.form == SettingForm::Colour);
    const std::string stored = file_.read(key.section, key.name, key.defaultText);
    if (const auto colour = colourtext::fromText(stored))
        return {colour, {}};
    return {std::nullopt, utf8::fromQString(QCoreApplication::translate("SettingsReader",
                                                                        "'%1' は整数ではありません")
                                                .arg(utf8::toQString(stored)))};
}
