#include "framework/files/Outcome.h"

#include "framework/text/Cp932.h"

#include <QCoreApplication>

Outcome Outcome::fileFailure(const char* text, const std::string& path) {
    return failure(cp932::fromQString(
        QCoreApplication::translate("Outcome", text).arg(QString::fromStdString(path))));
}
