#include "options/AboutPage.h"

#include "app/StartupSequence.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

AboutPage::AboutPage(const QString& title) : QGroupBox(title) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/glowtape.svg")).pixmap(48, 48));
    icon->setAccessibleName(QStringLiteral("Glowtape"));
    heading->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("Glowtape"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(32);
    name->setFont(nameFont);
    heading->addWidget(name);
    heading->addStretch();
    layout->addLayout(heading);
    layout->addWidget(new QLabel(QStringLiteral("ver 3.0.0"), this));
    const QString home =
        QString::fromLatin1(StartupSequence::kHomePage.data(), StartupSequence::kHomePage.size());
    auto* link = new QLabel(
        QStringLiteral("<a href=\"%1\" style=\"color: blue; text-decoration: underline\">%1</a>")
            .arg(home),
        this);
    link->setObjectName(QStringLiteral("homePage"));
    link->setAccessibleName(home);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // The desktop's handler opens the page.
    link->setOpenExternalLinks(true);
    layout->addWidget(link);
    layout->addWidget(new QLabel(tr("（最新版＆ヘルプはホームページでご覧ください）"), this));
    layout->addStretch();
}
