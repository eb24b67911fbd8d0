#include "app/FeedList.h"

#include "framework/text/Utf8.h"

#include <QFont>
#include <algorithm>
#include <iterator>
#include <numeric>

FeedList::FeedList(QObject* parent) : QAbstractTableModel(parent) {}

bool FeedList::isShown(int row) const {
    return validRow(row) && entry(row).shown == feedmark::Shown;
}

void FeedList::append(FeedEntry entry) {
    insert(count(), std::move(entry));
}

std::vector<FeedEntry> FeedList::ownEntries() const {
    return {entries_.begin(), entries_.begin() + ownCount()};
}

void FeedList::setAccountEntries(std::vector<FeedEntry> entries) {
    if (std::equal(entries.begin(), entries.end(), entries_.begin() + ownCount(), entries_.end()))
        return;
    beginResetModel();
    entries_.resize(static_cast<std::size_t>(ownCount()));
    accountRows_ = static_cast<int>(entries.size());
    std::move(entries.begin(), entries.end(), std::back_inserter(entries_));
    endResetModel();
}

void FeedList::insert(int row, FeedEntry entry) {
    if (row < 0 || row > ownCount())
        row = ownCount();
    beginInsertRows(QModelIndex(), row, row);
    entries_.insert(entries_.begin() + row, std::move(entry));
    endInsertRows();
}

void FeedList::remove(int row) {
    if (!validRow(row) || isAccountRow(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void FeedList::replace(int row, FeedEntry entry) {
    if (!validRow(row))
        return;
    if (isAccountRow(row))
        entries_[static_cast<std::size_t>(row)].shown = std::move(entry.shown);
    else
        entries_[static_cast<std::size_t>(row)] = std::move(entry);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void FeedList::clear() {
    setEntries({});
}

void FeedList::setEntries(std::vector<FeedEntry> entries) {
    beginResetModel();
    entries.insert(entries.end(), std::make_move_iterator(entries_.begin() + ownCount()),
                   std::make_move_iterator(entries_.end()));
    entries_ = std::move(entries);
    endResetModel();
}

void FeedList::sortRows(const std::function<bool(const FeedEntry&, const FeedEntry&)>& before) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.begin() + ownCount(), [&](int a, int b) {
        return before(entries_[static_cast<std::size_t>(a)], entries_[static_cast<std::size_t>(b)]);
    });
    std::vector<FeedEntry> sorted;
    sorted.reserve(entries_.size());
    std::vector<int> newRowOf(entries_.size());
    for (std::size_t row = 0; row < order.size(); ++row) {
        sorted.push_back(std::move(entries_[static_cast<std::size_t>(order[row])]));
        newRowOf[static_cast<std::size_t>(order[row])] = static_cast<int>(row);
    }
    entries_ = std::move(sorted);
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    for (const QModelIndex& old : persistent)
        moved.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FeedList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int FeedList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FeedList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !validRow(index.row()))
        return {};
    if (isAccountRow(index.row()) && role == Qt::FontRole) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (isAccountRow(index.row()) && role == Qt::ToolTipRole)
        return tr("アカウントのフィード（表示・非表示のみ切り替えられます）");
    if (role != Qt::DisplayRole)
        return {};
    const FeedEntry& feed = entry(index.row());
    switch (index.column()) {
    case TitleColumn:
        return utf8::toQString(feed.title);
    case UriColumn:
        return utf8::toQString(feed.uri);
    case ShownColumn:
        return utf8::toQString(feed.shown);
    default:
        return {};
    }
}

QVariant FeedList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TitleColumn:
        return tr("タイトル");
    case UriColumn:
        return QStringLiteral("URI");
    case ShownColumn:
        return tr("表示");
    default:
        return {};
    }
}
