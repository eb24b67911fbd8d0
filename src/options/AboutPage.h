#pragma once

#include <QGroupBox>

// Page 6 "ヘルプ": the program's icon, name and version, and the link to its home page.
class AboutPage : public QGroupBox {
    Q_OBJECT
public:
    explicit AboutPage(const QString& title);
};
