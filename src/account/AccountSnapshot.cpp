#include "account/AccountSnapshot.h"

#include <algorithm>

namespace {

// XML text: markup characters escaped; control characters, which XML cannot carry and a NUL
// of which would end the document, become spaces.
std::string escaped(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? ' ' : c;
        }
    }
    return result;
}

void element(std::string& out, const char* name, const std::string& text) {
    out += '<';
    out += name;
    out += '>';
    out += escaped(text);
    out += "</";
    out += name;
    out += '>';
}

} // namespace

void AccountSnapshot::setItems(std::vector<AccountItem> items,
                               const std::unordered_set<std::string>& hidden) {
    itemsByFeed_.clear();
    for (AccountItem& item : items)
        if (!hidden.contains(item.id))
            itemsByFeed_[item.feedId].push_back(std::move(item));
}

const AccountFeed* AccountSnapshot::feed(const std::string& feedId) const {
    const auto found = std::find_if(feeds_.begin(), feeds_.end(),
                                    [&](const AccountFeed& feed) { return feed.id == feedId; });
    return found == feeds_.end() ? nullptr : &*found;
}

std::unordered_map<std::string, AccountItem> AccountSnapshot::itemsById() const {
    std::unordered_map<std::string, AccountItem> result;
    for (const auto& [feedId, items] : itemsByFeed_)
        for (const AccountItem& item : items)
            result.emplace(item.id, item);
    return result;
}

std::size_t AccountSnapshot::itemCount() const {
    std::size_t count = 0;
    for (const auto& [feedId, items] : itemsByFeed_)
        count += items.size();
    return count;
}

AccountSnapshot::Document AccountSnapshot::document(const std::string& feedId) const {
    Document document;
    const AccountFeed* source = feed(feedId);
    std::string& out = document.body;
    out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>";
    element(out, "title", source ? source->title : feedId);
    element(out, "link", source ? source->siteLink : std::string());
    out += "<description></description>";
    if (const auto found = itemsByFeed_.find(feedId); found != itemsByFeed_.end()) {
        for (const AccountItem& item : found->second) {
            out += "<item>";
            element(out, "title", item.title);
            element(out, "link", item.link);
            element(out, "description", item.summary);
            out += "</item>";
            document.itemIds.push_back(item.id);
        }
    }
    out += "</channel></rss>\n";
    return document;
}

void AccountSnapshot::remove(const std::vector<std::string>& itemIds) {
    const std::unordered_set<std::string> gone(itemIds.begin(), itemIds.end());
    for (auto& [feedId, items] : itemsByFeed_)
        std::erase_if(items, [&](const AccountItem& item) { return gone.contains(item.id); });
}

std::vector<std::string> AccountSnapshot::itemIds(const std::string& feedId) const {
    std::vector<std::string> ids;
    if (const auto found = itemsByFeed_.find(feedId); found != itemsByFeed_.end())
        for (const AccountItem& item : found->second)
            ids.push_back(item.id);
    return ids;
}
