#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The addresses the reader will load: http, https and file pages and about:blank. A feed
// may carry any text as a link; a javascript: link would run in whatever page is showing.
namespace readeraddress {

enum class Verdict { Load, Nothing, Refused };

struct Checked {
    Verdict verdict;
    QUrl url; // set for Load
};

// Blank text loads nothing (an article without a link); anything else is read as a user
// would type it and loaded only when its scheme is one of the above.
Checked check(const QString& address);

} // namespace readeraddress
