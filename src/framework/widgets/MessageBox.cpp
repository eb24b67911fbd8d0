#include "framework/widgets/MessageBox.h"

#include "framework/text/Utf8.h"

#include <QApplication>
#include <QMessageBox>

namespace messagebox {
namespace {

void show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
          std::string_view utf8Text) {
    QMessageBox box(icon, title, utf8::toQString(utf8Text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void warning(QWidget* parent, std::string_view utf8Text) {
    show(parent, QMessageBox::Warning, QCoreApplication::translate("messagebox", "警告"), utf8Text);
}

void information(QWidget* parent, std::string_view utf8Text) {
    show(parent, QMessageBox::Information, QCoreApplication::translate("messagebox", "情報"),
         utf8Text);
}

void notice(QWidget* parent, std::string_view utf8Text) {
    show(parent, QMessageBox::NoIcon, QApplication::applicationName(), utf8Text);
}

void error(QWidget* parent, std::string_view utf8Text) {
    show(parent, QMessageBox::Critical, QApplication::applicationName(), utf8Text);
}

bool confirm(QWidget* parent, std::string_view utf8Text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    utf8::toQString(utf8Text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace messagebox
