#include "connection_listing.h"

#include <algorithm>

namespace quillon {

QString appendConnectionLines(const QString &boxText, const QStringList &names) {
    QString text = boxText;
    const qsizetype considered = std::min(names.size(), maxListedConnections);
    for (const QString &name : names.first(considered)) {
        if (!name.isEmpty())
            text += QLatin1StringView("Connected to ") + name + QLatin1StringView("\r\n");
    }
    return text;
}

} // namespace quillon
