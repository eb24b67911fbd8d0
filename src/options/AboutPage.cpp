#include "options/AboutPage.h"

#include "app/StartupSequence.h"

#include <QLabel>
#include <QVBoxLayout>

AboutPage::AboutPage(const QString& title) : QGroupBox(title) {
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Glowtape"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(32);
    name->setFont(nameFont);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("ver 3.0.0"), this));
    const QString home =
        QString::fromLatin1(StartupSequence::kHomePage.data(), StartupSequence::kHomePage.size());
    auto* link =
        new QLabel(QStringLiteral("<a href=\"%1\" style=\"color: blue\">%1</a>").arg(home), this);
    link->setOpenExternalLinks(true);
    layout->addWidget(link);
    layout->addWidget(
        new QLabel(QStringLiteral("（最新版＆ヘルプはホームページでご覧ください）"), this));
    layout->addStretch();
}
