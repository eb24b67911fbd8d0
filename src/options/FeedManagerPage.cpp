#include "options/FeedManagerPage.h"

#include "app/FeedList.h"
#include "app/GlowtapeSettings.h"
#include "app/SettingKeys.h"
#include "app/SettingsReader.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

FeedManagerPage::FeedManagerPage(const QString& title, FeedList& feeds) : QGroupBox(title) {
    auto* layout = new QVBoxLayout(this);
    NewsList = new QTreeView(this);
    NewsList->setObjectName(QStringLiteral("NewsList"));
    NewsList->setAccessibleName(title);
    NewsList->setRootIsDecorated(false);
    NewsList->setSelectionMode(QAbstractItemView::SingleSelection);
    NewsList->setAllColumnsShowFocus(true);
    NewsList->setModel(&feeds);
    layout->addWidget(NewsList);
}

void FeedManagerPage::load(const SettingsReader& reader) {
    using namespace settings;
    NewsList->header()->resizeSection(FeedList::TitleColumn, reader.integer(window::List0));
    NewsList->header()->resizeSection(FeedList::UriColumn, reader.integer(window::List1));
}

void FeedManagerPage::collectSettings(GlowtapeSettings& settings) const {
    settings.titleColumnWidth = NewsList->header()->sectionSize(FeedList::TitleColumn);
    settings.uriColumnWidth = NewsList->header()->sectionSize(FeedList::UriColumn);
}
