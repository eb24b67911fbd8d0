#include "framework/text/FontFaceMap.h"

#include "framework/text/Utf8.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <array>

namespace {

// Windows faces and their stand-ins, keyed in UTF-8; each maps to the first installed entry.
struct KnownFace {
    const char* windowsName;
    std::array<const char*, 2> standIns;
};

const std::array<KnownFace, 8> kKnownFaces = {{
    {"ＭＳ Ｐゴシック", {"IPAPGothic", "Noto Sans CJK JP"}},
    {"ＭＳ ゴシック", {"IPAGothic", "Noto Sans Mono CJK JP"}},
    {"ＭＳ ＵＩ Gothic", {"IPAPGothic", "Noto Sans CJK JP"}},
    {"ＭＳ Ｐ明朝", {"IPAPMincho", "Noto Serif CJK JP"}},
    {"ＭＳ 明朝", {"IPAMincho", "Noto Serif CJK JP"}},
    {"MS PGothic", {"IPAPGothic", "Noto Sans CJK JP"}},
    {"MS Gothic", {"IPAGothic", "Noto Sans Mono CJK JP"}},
    {"MS UI Gothic", {"IPAPGothic", "Noto Sans CJK JP"}},
}};

QString withoutVerticalMark(const std::string& faceName) {
    const std::string_view name(faceName);
    return utf8::toQString(name.starts_with('@') ? name.substr(1) : name);
}

} // namespace

bool FontFaceMap::isVertical(const std::string& faceName) {
    return !faceName.empty() && faceName.front() == '@';
}

QString FontFaceMap::family(const std::string& faceName) {
    const QString name = withoutVerticalMark(faceName).trimmed();
    for (const KnownFace& known : kKnownFaces) {
        if (name.compare(QString::fromUtf8(known.windowsName), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* standIn : known.standIns) {
            if (QFontDatabase::hasFamily(QString::fromUtf8(standIn)))
                return QString::fromUtf8(standIn);
        }
    }
    if (!name.isEmpty() && QFontDatabase::hasFamily(name))
        return name;
    // fontconfig's substitute for an unknown or empty name.
    return QFontInfo(QFont(name)).family();
}
