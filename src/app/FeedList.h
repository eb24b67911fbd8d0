#pragma once

#include "app/FeedEntry.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

// The feed list: the one ordered list of feed entries that the options dialog's list
// shows and edits and that the rotation, the article list and the save read. Row order
// is rotation order. Every change is announced through the model's signals, so views
// follow at once.
//
// The user's own feeds come first; the feeds of an aggregator account follow them. The
// account's rows are the account's to change: the user's edits (insert, remove, sort,
// setEntries) act on the user's rows only, and replacing an account row changes its shown
// flag alone.
class FeedList : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TitleColumn = 0, UriColumn = 1, ShownColumn = 2, ColumnCount = 3 };

    explicit FeedList(QObject* parent = nullptr);

    int count() const { return static_cast<int>(entries_.size()); }
    const FeedEntry& entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }
    const std::vector<FeedEntry>& entries() const { return entries_; }
    // The user's own feeds, the rows before the account's: what news.csv keeps.
    int ownCount() const { return count() - accountRows_; }
    std::vector<FeedEntry> ownEntries() const;
    bool isAccountRow(int row) const { return validRow(row) && row >= ownCount(); }
    // Replaces the account's rows.
    void setAccountEntries(std::vector<FeedEntry> entries);
    // True only when the row's flag is exactly "○"; false for rows out of range.
    bool isShown(int row) const;

    void append(FeedEntry entry);
    // Inserts before row; a row out of range appends.
    void insert(int row, FeedEntry entry);
    // Rows out of range are ignored by remove and replace.
    void remove(int row);
    void replace(int row, FeedEntry entry);
    void clear();
    // Replaces the user's rows.
    void setEntries(std::vector<FeedEntry> entries);
    // Puts the rows in a new order; views keep their columns and their selection follows
    // the moved rows.
    void sortRows(const std::function<bool(const FeedEntry&, const FeedEntry&)>& before);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    bool validRow(int row) const { return row >= 0 && row < count(); }

    std::vector<FeedEntry> entries_;
    int accountRows_ = 0;
};
