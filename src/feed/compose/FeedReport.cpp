#include "feed/compose/FeedReport.h"

#include "feed/compose/LineStores.h"

#include <cstdio>

namespace feedreport {

std::string asText(const LineStores& stores) {
    std::string out;
    for (std::size_t i = 0; i < stores.recordCount(); ++i) {
        const ArticleRecord record = stores.record(i);
        out += "record " + std::to_string(i) + "\n";
        out += "  title: " + std::string(record.title) + "\n";
        out += "  link: " + std::string(record.link) + "\n";
        out += "  description: " + std::string(record.description) + "\n";
    }
    return out;
}

std::string asJson(bool ok, const LineStores& stores) {
    std::string out = std::string("{\"ok\": ") + (ok ? "true" : "false") + ", \"records\": [";
    for (std::size_t i = 0; i < stores.recordCount(); ++i) {
        const ArticleRecord record = stores.record(i);
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"title\": " + jsonString(record.title);
        out += ", \"link\": " + jsonString(record.link);
        out += ", \"description\": " + jsonString(record.description) + "}";
    }
    out += stores.recordCount() == 0 ? "]}\n" : "\n]}\n";
    return out;
}

std::string jsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace feedreport
