#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

// The system's connection table holds this many entries; connections past it are never seen.
inline constexpr qsizetype maxListedConnections = 256;

// The connection box's text: one line "Connected to <name>" + CR LF per non-empty name, in the
// given order. Only the first `maxListedConnections` names are considered; an empty name adds
// nothing and the names after it are still listed. No names, or only empty ones, give the empty
// text.
//
//   connectionLines({"Office", "Home"}) == "Connected to Office\r\nConnected to Home\r\n"
QString connectionLines(const QStringList &names);

} // namespace quillon
