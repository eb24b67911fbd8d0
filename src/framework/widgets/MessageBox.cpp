#include "framework/widgets/MessageBox.h"

#include "framework/text/Cp932.h"

#include <QApplication>
#include <QMessageBox>

namespace messagebox {
namespace {

void show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
          std::string_view cp932Text) {
    QMessageBox box(icon, title, cp932::toQString(cp932Text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void warning(QWidget* parent, std::string_view cp932Text) {
    show(parent, QMessageBox::Warning, QCoreApplication::translate("messagebox", "警告"),
         cp932Text);
}

void information(QWidget* parent, std::string_view cp932Text) {
    show(parent, QMessageBox::Information, QCoreApplication::translate("messagebox", "情報"),
         cp932Text);
}

void notice(QWidget* parent, std::string_view cp932Text) {
    show(parent, QMessageBox::NoIcon, QApplication::applicationName(), cp932Text);
}

void error(QWidget* parent, std::string_view cp932Text) {
    show(parent, QMessageBox::Critical, QApplication::applicationName(), cp932Text);
}

bool confirm(QWidget* parent, std::string_view cp932Text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    cp932::toQString(cp932Text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace messagebox
