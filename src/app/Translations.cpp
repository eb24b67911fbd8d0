#include "app/Translations.h"

#include "app/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <algorithm>

namespace {

const QString kFolder = QStringLiteral(":/translations");
const QString kPrefix = QStringLiteral("glowtape_");

bool loadProgram(QTranslator& translator, const std::string& code) {
    return !code.empty() && translator.load(kPrefix + QString::fromStdString(code), kFolder);
}

} // namespace

Translations::Translations(const std::string& code) {
    if (loadProgram(program_, code))
        QCoreApplication::installTranslator(&program_);
    // Qt's source texts are English; Japanese stands for the program's own texts.
    const QLocale qtLocale = code.empty() ? QLocale(QLocale::Japanese, QLocale::Japan)
                                          : QLocale(QString::fromStdString(code));
    if (code != language::kEnglish &&
        qt_.load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

std::vector<std::string> Translations::shipped() {
    std::vector<std::string> codes;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes.push_back(file.mid(kPrefix.size()).chopped(3).toStdString());
    return codes;
}

std::string Translations::forSetting(const std::string& setting) {
    return language::resolve(setting, language::processEnvironment(), shipped());
}

QString Translations::text(const std::string& code, const char* context, const char* source) {
    QTranslator translator;
    if (loadProgram(translator, code)) {
        const QString translated = translator.translate(context, source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}
