#include "connection_listing.h"

#include <algorithm>

namespace quillon {

QString connectionLines(const QStringList &names) {
    QString text;
    const qsizetype considered = std::min(names.size(), maxListedConnections);
    for (const QString &name : names.first(considered)) {
        if (!name.isEmpty())
            text += QLatin1StringView("Connected to ") + name + QLatin1StringView("\r\n");
    }
    return text;
}

} // namespace quillon
