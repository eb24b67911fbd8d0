#include "account/AccountFeedFile.h"

#include "framework/files/FileBytes.h"

namespace {

constexpr std::size_t kMostBytes = 16u * 1024 * 1024;

// Tabs and line breaks would split a field; a title never needs them.
std::string field(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return result;
}

} // namespace

std::vector<AccountFeedFile::Row> AccountFeedFile::read(const std::string& path) {
    std::vector<Row> rows;
    const std::optional<std::string> bytes = FileBytes::read(path, kMostBytes);
    if (!bytes)
        return rows;
    std::size_t at = 0;
    while (at < bytes->size()) {
        std::size_t end = bytes->find('\n', at);
        if (end == std::string::npos)
            end = bytes->size();
        const std::string line = bytes->substr(at, end - at);
        at = end + 1;
        const std::size_t first = line.find('\t');
        const std::size_t second =
            first == std::string::npos ? std::string::npos : line.find('\t', first + 1);
        if (second == std::string::npos || first != 1 || (line[0] != '0' && line[0] != '1'))
            continue;
        Row row{line.substr(first + 1, second - first - 1), line.substr(second + 1),
                line[0] == '1'};
        if (!row.id.empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

bool AccountFeedFile::write(const std::string& path, const std::vector<Row>& rows) {
    std::string bytes;
    for (const Row& row : rows)
        bytes += std::string(row.shown ? "1" : "0") + '\t' + field(row.id) + '\t' +
                 field(row.title) + '\n';
    return FileBytes::replace(path, bytes);
}
