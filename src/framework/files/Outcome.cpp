#include "framework/files/Outcome.h"

#include "framework/text/Utf8.h"

#include <QCoreApplication>

Outcome Outcome::fileFailure(const char* text, const std::string& path) {
    return failure(utf8::fromQString(
        QCoreApplication::translate("Outcome", text).arg(QString::fromStdString(path))));
}
