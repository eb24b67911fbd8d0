#include "options/FeedManagerPage.h"

#include "app/FeedList.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "framework/widgets/RowStyleDelegate.h"
#include "framework/x11/SystemColor.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr std::uint32_t kButtonFace = syscolor::kSystemFlag + 15;
constexpr std::uint32_t kButtonHighlight = syscolor::kSystemFlag + 20;
const QString kDesignUri = QStringLiteral("http://");

QColor colourOf(std::uint32_t colour) {
    return QColor::fromRgb(syscolor::toQRgb(colour));
}
} // namespace

FeedManagerPage::FeedManagerPage(const QString& title, FeedList& feeds, Hooks hooks)
    : QGroupBox(title), feeds_(feeds), commands_(feeds), hooks_(std::move(hooks)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildNewEntryGroup());

    NewsList = new QTreeView(this);
    NewsList->setObjectName(QStringLiteral("NewsList"));
    NewsList->setAccessibleName(title);
    NewsList->setRootIsDecorated(false);
    NewsList->setSelectionMode(QAbstractItemView::SingleSelection);
    NewsList->setAllColumnsShowFocus(true);
    NewsList->setFrameShape(QFrame::NoFrame);
    NewsList->setModel(&feeds);
    // Rows are shaded by their position, so the shading follows a sort.
    NewsList->setItemDelegate(new RowStyleDelegate(
        [](int row) {
            return RowStyle{colourOf(row % 2 == 1 ? kButtonFace : kButtonHighlight), {}, false};
        },
        NewsList));
    QPalette palette = NewsList->palette();
    palette.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    NewsList->setPalette(palette);
    NewsList->header()->setSectionsClickable(true);
    connect(NewsList->header(), &QHeaderView::sectionClicked, this,
            &FeedManagerPage::NewsListColumnClick);
    connect(NewsList, &QTreeView::doubleClicked, this, [this] { N7Click(); });
    layout->addWidget(NewsList, 1);
    layout->addLayout(buildBottomRow());
    buildMenu();
}

QWidget* FeedManagerPage::buildNewEntryGroup() {
    auto* group = new QGroupBox(tr("新規"), this);
    auto* fields = new QFormLayout;
    NewTitle = new QLineEdit(group);
    NewTitle->setObjectName(QStringLiteral("NewTitle"));
    NewTitle->setAccessibleName(tr("タイトル"));
    NewURI = new QLineEdit(kDesignUri, group);
    NewURI->setObjectName(QStringLiteral("NewURI"));
    NewURI->setAccessibleName(QStringLiteral("URI"));
    fields->addRow(tr("タイトル"), NewTitle);
    fields->addRow(QStringLiteral("URI"), NewURI);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(tr("登録"), group);
    ok->setObjectName(QStringLiteral("NewOK"));
    auto* no = new QPushButton(tr("キャンセル"), group);
    no->setObjectName(QStringLiteral("NewNo"));
    buttons->addWidget(ok);
    buttons->addWidget(no);
    connect(ok, &QPushButton::clicked, this, &FeedManagerPage::NewOKClick);
    connect(no, &QPushButton::clicked, this, &FeedManagerPage::NewNoClick);

    auto* row = new QHBoxLayout(group);
    row->addLayout(fields, 1);
    row->addLayout(buttons);
    return group;
}

QLayout* FeedManagerPage::buildBottomRow() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("更新間隔（分）"), this);
    Refresh = new QSpinBox(this);
    Refresh->setObjectName(QStringLiteral("Refresh"));
    Refresh->setAccessibleName(label->text());
    // The spin box's own text field is what takes the focus and is announced.
    if (auto* field = Refresh->findChild<QLineEdit*>())
        field->setAccessibleName(label->text());
    Refresh->setRange(0, 24 * 60);
    Refresh->setValue(10);
    Refresh->setToolTip(tr("0 にすると巡回のたびにダウンロードします"));
    label->setBuddy(Refresh);
    connect(Refresh, &QSpinBox::valueChanged, this, &FeedManagerPage::refreshIntervalChanged);
    row->addWidget(label);
    row->addWidget(Refresh);
    row->addStretch();
    auto add = [this, row](const QString& caption, const QString& name,
                           void (FeedManagerPage::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, handler);
        row->addWidget(button);
    };
    add(tr("OPMLの読み込み…"), QStringLiteral("ImportOpml"), &FeedManagerPage::ImportOpmlClick);
    add(tr("OPMLの書き出し…"), QStringLiteral("ExportOpml"), &FeedManagerPage::ExportOpmlClick);
    return row;
}

void FeedManagerPage::buildMenu() {
    PopupMenu1 = new QMenu(this);
    auto add = [this](const QString& caption, void (FeedManagerPage::*handler)()) {
        connect(PopupMenu1->addAction(caption), &QAction::triggered, this, handler);
    };
    add(tr("今すぐニュースを表示"), &FeedManagerPage::N7Click);
    add(tr("ニュースの表示or非表示"), &FeedManagerPage::N3Click);
    PopupMenu1->addSeparator();
    add(tr("選択したニュースのコピー"), &FeedManagerPage::N5Click);
    add(tr("選択したニュースの削除"), &FeedManagerPage::N2Click);
    PopupMenu1->addSeparator();
    add(tr("連絡の追加"), &FeedManagerPage::N9Click);
    NewsList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(NewsList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(NewsList->viewport()->mapToGlobal(at)); });
}

void FeedManagerPage::load(const SettingsReader& reader) {
    using namespace settings;
    NewsList->header()->resizeSection(FeedList::TitleColumn, reader.integer(window::List0));
    NewsList->header()->resizeSection(FeedList::UriColumn, reader.integer(window::List1));
    Refresh->setValue(reader.integer(option::Refresh));
    refreshIntervalChanged(Refresh->value()); // also when the value stayed the same
}

void FeedManagerPage::refreshIntervalChanged(int minutes) {
    if (hooks_.refreshIntervalChanged)
        hooks_.refreshIntervalChanged(minutes);
}

void FeedManagerPage::collectSettings(GlowtapeSettings& settings) const {
    settings.titleColumnWidth = NewsList->header()->sectionSize(FeedList::TitleColumn);
    settings.uriColumnWidth = NewsList->header()->sectionSize(FeedList::UriColumn);
    settings.refreshMinutes = Refresh->value();
}

int FeedManagerPage::selectedRow() const {
    const QModelIndexList rows = NewsList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FeedManagerPage::NewOKClick() {
    commands_.registerFeed(utf8::fromQString(NewTitle->text()), utf8::fromQString(NewURI->text()));
    NewNoClick();
}

void FeedManagerPage::NewNoClick() {
    NewTitle->clear();
    NewURI->setText(kDesignUri);
}

void FeedManagerPage::N7Click() {
    const int row = selectedRow();
    if (row >= 0)
        hooks_.showFeedNow(row);
}

void FeedManagerPage::N3Click() {
    commands_.toggleShown(selectedRow());
}

void FeedManagerPage::N5Click() {
    const int row = selectedRow();
    // An account's feed comes from its server; a copy of its address would be no feed.
    if (row < 0 || feeds_.isAccountRow(row))
        return;
    hooks_.showThisPage();
    NewTitle->setText(utf8::toQString(feeds_.entry(row).title));
    NewURI->setText(utf8::toQString(feeds_.entry(row).uri));
}

void FeedManagerPage::N2Click() {
    const int row = selectedRow();
    if (row < 0)
        messagebox::warning(this, utf8::fromQString(tr("削除するものを選択してください。")));
    else if (feeds_.isAccountRow(row))
        messagebox::warning(this, utf8::fromQString(tr("アカウントのフィードは削除できません。"
                                                       "購読の解除はサーバーでしてください。")));
    else
        commands_.remove(row);
}

void FeedManagerPage::N9Click() {
    commands_.addAnnouncement();
}

void FeedManagerPage::NewsListColumnClick(int column) {
    commands_.sortByColumn(column);
}

QString FeedManagerPage::chooseOpmlFile(bool forSaving) {
    QFileDialog dialog(window(), forSaving ? tr("OPMLの書き出し") : tr("OPMLの読み込み"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QStringLiteral("OPML (*.opml *.xml)"), tr("すべてのファイル (*)")});
    if (forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("opml"));
        dialog.selectFile(QDir::home().filePath(QStringLiteral("news.opml")));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(QDir::homePath());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void FeedManagerPage::ImportOpmlClick() {
    const QString path = chooseOpmlFile(false);
    if (!path.isEmpty())
        importOpml(path);
}

void FeedManagerPage::ExportOpmlClick() {
    const QString path = chooseOpmlFile(true);
    if (!path.isEmpty())
        exportOpml(path);
}

void FeedManagerPage::importOpml(const QString& path) {
    const FeedListCommands::Imported imported =
        commands_.importOpml(QFile::encodeName(path).toStdString());
    if (!imported.outcome.ok()) {
        messagebox::warning(this, imported.outcome.error);
        return;
    }
    messagebox::information(
        this, utf8::fromQString(tr("%1 件のニュースを追加しました。").arg(imported.added)));
}

void FeedManagerPage::exportOpml(const QString& path) {
    const Outcome written = commands_.exportOpml(QFile::encodeName(path).toStdString());
    if (!written.ok())
        messagebox::warning(this, written.error);
}
