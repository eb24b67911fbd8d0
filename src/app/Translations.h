#pragma once

#include <QString>
#include <QTranslator>
#include <string>
#include <vector>

// The program's translations, built into it as resources, and Qt's own for its dialogs and
// buttons. Installed into the application for the run; the windows read their texts when
// they are created, so the language is chosen once, at start.
class Translations {
public:
    // Installs the texts of `code` (a shipped translation; empty for the source texts).
    explicit Translations(const std::string& code);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The codes of the translations built into the program ("en" ...), sorted.
    static std::vector<std::string> shipped();
    // The translation `setting` of `option` / `Language` stands for in this environment.
    static std::string forSetting(const std::string& setting);
    // One text in the language of `code`, whatever language the program speaks now: the
    // notice about a new language is given in that language.
    static QString text(const std::string& code, const char* context, const char* source);

private:
    QTranslator program_;
    QTranslator qt_;
};
