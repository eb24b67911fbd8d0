#include "reader/ReaderAddress.h"

namespace readeraddress {

Checked check(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {Verdict::Nothing, {}};
    const QUrl url = QUrl::fromUserInput(text);
    const QString scheme = url.scheme();
    const bool allowed = scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                         scheme == QLatin1String("file") ||
                         url == QUrl(QStringLiteral("about:blank"));
    if (!url.isValid() || !allowed)
        return {Verdict::Refused, {}};
    return {Verdict::Load, url};
}

} // namespace readeraddress
