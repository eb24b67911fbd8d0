#include "options/LanguageBox.h"

#include "app/LanguageChoice.h"
#include "app/Translations.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"

#include <QLocale>

namespace {
const char* const kNextStart =
    QT_TRANSLATE_NOOP("LanguageBox", "設定変更しました。次回起動時より有効になります");

QString nameOf(const std::string& code) {
    if (code == language::kEnglish)
        return QStringLiteral("English");
    const QString native = QLocale(QString::fromStdString(code)).nativeLanguageName();
    return native.isEmpty() ? QString::fromStdString(code) : native;
}
} // namespace

LanguageBox::LanguageBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Language"));
    addItem(tr("自動"), QString::fromLatin1(language::kAuto));
    // Languages go by their own names, so that a user who cannot read the present one finds
    // theirs.
    addItem(QStringLiteral("日本語"), QString::fromLatin1(language::kJapanese));
    for (const std::string& code : Translations::shipped())
        addItem(nameOf(code), QString::fromStdString(code));
    connect(this, &QComboBox::currentIndexChanged, this, &LanguageBox::choose);
}

void LanguageBox::load(const SettingsReader& reader) {
    loading_ = true;
    stored_ = reader.text(settings::option::Language);
    const int index = findData(QString::fromStdString(stored_));
    setCurrentIndex(index < 0 ? 0 : index);
    loading_ = false;
}

void LanguageBox::collectSettings(GlowtapeSettings& settings) const {
    settings.language = stored_;
}

void LanguageBox::choose(int index) {
    if (loading_ || index < 0)
        return;
    stored_ = itemData(index).toString().toStdString();
    const std::string next = Translations::forSetting(stored_);
    messagebox::notice(window(),
                       utf8::fromQString(Translations::text(next, "LanguageBox", kNextStart)));
}
