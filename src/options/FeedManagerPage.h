#pragma once

#include <QGroupBox>

class FeedList;
struct GlowtapeSettings;
class QTreeView;
class SettingsReader;

// Page 4 "ニュース管理": the feed list, shown in the news list `NewsList`, which is the view of
// the one feed list of the program.
class FeedManagerPage : public QGroupBox {
    Q_OBJECT
public:
    FeedManagerPage(const QString& title, FeedList& feeds);

    QTreeView* newsList() const { return NewsList; }

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

private:
    QTreeView* NewsList = nullptr;
};
