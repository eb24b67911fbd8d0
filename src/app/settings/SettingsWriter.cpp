#include "app/settings/SettingsWriter.h"

#include "app/settings/IntegerText.h"

#include <cassert>

SettingsWriter::SettingsWriter(const std::string& path) : file_(path) {}

void SettingsWriter::integer(const SettingKey& key, int value) {
    assert(key.form == SettingForm::Integer || key.form == SettingForm::FontStyle);
    file_.write(key.section, key.name, integertext::format(value));
}

void SettingsWriter::text(const SettingKey& key, std::string_view value) {
    assert(key.form == SettingForm::Text || key.form == SettingForm::WholeText ||
           key.form == SettingForm::Flag);
    file_.write(key.section, key.name, value);
}

void SettingsWriter::colour(const SettingKey& key, Colour value) {
    assert(key.form == SettingForm::Colour);
    file_.write(key.section, key.name, colourtext::toText(value));
}

Outcome SettingsWriter::save() const {
    return file_.save();
}
