#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

// The system's connection table holds this many entries; connections past it are never seen.
inline constexpr qsizetype maxListedConnections = 256;

// `boxText` with one line "Connected to <name>" + CR LF appended per non-empty name, in the given
// order. Only the first `maxListedConnections` names are considered; an empty name adds nothing
// and the names after it are still listed. No names, or only empty ones, leave `boxText` as it is.
//
//   appendConnectionLines("", {"Office", "Home"}) == "Connected to Office\r\nConnected to Home\r\n"
QString appendConnectionLines(const QString &boxText, const QStringList &names);

} // namespace quillon
