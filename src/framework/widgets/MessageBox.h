#pragma once

#include <string_view>

class QWidget;

// The program's message boxes: one OK button (a question: Yes and No).
namespace messagebox {

// Title "警告", warning icon.
void warning(QWidget* parent, std::string_view text);
// Title "情報", information icon.
void information(QWidget* parent, std::string_view text);
// A plain notice: the application's title, no icon.
void notice(QWidget* parent, std::string_view text);
// The framework's error report: the application's title, error icon.
void error(QWidget* parent, std::string_view text);

// A question titled with the application's name; true when answered Yes.
bool confirm(QWidget* parent, std::string_view text);

} // namespace messagebox
