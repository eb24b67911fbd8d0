#include "framework/text/CharacterReference.h"

#include <array>
#include <charconv>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::size_t kLongestName = 8; // "thetasym"

// Entity names for consecutive characters, starting at `first`; an empty name skips one.
struct NameRun {
    char32_t first;
    std::vector<std::string_view> names;
};

const std::unordered_map<std::string_view, char32_t>& entities() {
    static const std::unordered_map<std::string_view, char32_t> table = [] {
        static constexpr std::pair<std::string_view, char32_t> single[] = {
            {"quot", 34},     {"amp", 38},       {"apos", 39},     {"lt", 60},
            {"gt", 62},       {"OElig", 338},    {"oelig", 339},   {"Scaron", 352},
            {"scaron", 353},  {"Yuml", 376},     {"fnof", 402},    {"circ", 710},
            {"tilde", 732},   {"thetasym", 977}, {"upsih", 978},   {"piv", 982},
            {"ensp", 8194},   {"emsp", 8195},    {"thinsp", 8201}, {"zwnj", 8204},
            {"zwj", 8205},    {"lrm", 8206},     {"rlm", 8207},    {"ndash", 8211},
            {"mdash", 8212},  {"lsquo", 8216},   {"rsquo", 8217},  {"sbquo", 8218},
            {"ldquo", 8220},  {"rdquo", 8221},   {"bdquo", 8222},  {"dagger", 8224},
            {"Dagger", 8225}, {"bull", 8226},    {"hellip", 8230}, {"permil", 8240},
            {"prime", 8242},  {"Prime", 8243},   {"lsaquo", 8249}, {"rsaquo", 8250},
            {"oline", 8254},  {"frasl", 8260},   {"euro", 8364},   {"image", 8465},
            {"weierp", 8472}, {"real", 8476},    {"trade", 8482},  {"alefsym", 8501},
            {"crarr", 8629},  {"forall", 8704},  {"part", 8706},   {"exist", 8707},
            {"empty", 8709},  {"nabla", 8711},   {"isin", 8712},   {"notin", 8713},
            {"ni", 8715},     {"prod", 8719},    {"sum", 8721},    {"minus", 8722},
            {"lowast", 8727}, {"radic", 8730},   {"prop", 8733},   {"infin", 8734},
            {"ang", 8736},    {"and", 8743},     {"or", 8744},     {"cap", 8745},
            {"cup", 8746},    {"int", 8747},     {"there4", 8756}, {"sim", 8764},
            {"cong", 8773},   {"asymp", 8776},   {"ne", 8800},     {"equiv", 8801},
            {"le", 8804},     {"ge", 8805},      {"sub", 8834},    {"sup", 8835},
            {"nsub", 8836},   {"sube", 8838},    {"supe", 8839},   {"oplus", 8853},
            {"otimes", 8855}, {"perp", 8869},    {"sdot", 8901},   {"lceil", 8968},
            {"rceil", 8969},  {"lfloor", 8970},  {"rfloor", 8971}, {"lang", 9001},
            {"rang", 9002},   {"loz", 9674},     {"spades", 9824}, {"clubs", 9827},
        };
        static const std::array<NameRun, 6> runs{{
            {160, {"nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
                   "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
                   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
                   "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
                   "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
                   "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
                   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
                   "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
                   "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
                   "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
                   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
                   "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"}},
            {913,
             {"Alpha", "Beta",   "Gamma",   "Delta", "Epsilon", "Zeta",    "Eta",  "Theta", "Iota",
              "Kappa", "Lambda", "Mu",      "Nu",    "Xi",      "Omicron", "Pi",   "Rho",   "",
              "Sigma", "Tau",    "Upsilon", "Phi",   "Chi",     "Psi",     "Omega"}},
            {945, {"alpha",   "beta", "gamma", "delta",  "epsilon", "zeta", "eta",
                   "theta",   "iota", "kappa", "lambda", "mu",      "nu",   "xi",
                   "omicron", "pi",   "rho",   "sigmaf", "sigma",   "tau",  "upsilon",
                   "phi",     "chi",  "psi",   "omega"}},
            {8592, {"larr", "uarr", "rarr", "darr", "harr"}},
            {8656, {"lArr", "uArr", "rArr", "dArr", "hArr"}},
            {9829, {"hearts", "diams"}},
        }};
        std::unordered_map<std::string_view, char32_t> names;
        for (const auto& [name, character] : single)
            names.emplace(name, character);
        for (const NameRun& run : runs) {
            char32_t character = run.first;
            for (const std::string_view name : run.names) {
                if (!name.empty())
                    names.emplace(name, character);
                ++character;
            }
        }
        names["nbsp"] = U' ';
        return names;
    }();
    return table;
}

char32_t numbered(std::string_view digits, int base) {
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return 0;
    const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
    if (control || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return code;
}

} // namespace

char32_t characterReference(std::string_view name) {
    if (name.size() > kLongestName + 1 || name.empty())
        return 0;
    if (name.front() != '#') {
        const auto found = entities().find(name);
        return found == entities().end() ? 0 : found->second;
    }
    name.remove_prefix(1);
    if (!name.empty() && (name.front() == 'x' || name.front() == 'X'))
        return numbered(name.substr(1), 16);
    return numbered(name, 10);
}

char32_t characterReference(std::u16string_view name) {
    std::string ascii;
    for (const char16_t unit : name) {
        if (unit >= 0x80)
            return 0;
        ascii += static_cast<char>(unit);
    }
    return characterReference(std::string_view(ascii));
}

namespace {

template <typename Char>
std::optional<CharacterReferenceAt> referenceAt(std::basic_string_view<Char> text) {
    // "&", "#" or the name's first letter, the rest of the longest name, ";".
    const std::size_t semicolon = text.substr(0, kLongestName + 3).find(Char(';'), 1);
    if (text.empty() || text.front() != Char('&') ||
        semicolon == std::basic_string_view<Char>::npos)
        return std::nullopt;
    const char32_t character = characterReference(text.substr(1, semicolon - 1));
    if (character == 0)
        return std::nullopt;
    return CharacterReferenceAt{character, semicolon + 1};
}

} // namespace

std::optional<CharacterReferenceAt> characterReferenceAt(std::string_view text) {
    return referenceAt(text);
}

std::optional<CharacterReferenceAt> characterReferenceAt(std::u16string_view text) {
    return referenceAt(text);
}

QString decodedCharacterReferences(QStringView text) {
    QString result;
    result.reserve(text.size());
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    std::size_t(text.size()));
    for (std::size_t i = 0; i < units.size();) {
        const auto reference =
            units[i] == u'&' ? characterReferenceAt(units.substr(i)) : std::nullopt;
        if (!reference) {
            result += QChar(units[i++]);
            continue;
        }
        result += QString::fromUcs4(&reference->character, 1);
        i += reference->length;
    }
    return result;
}
