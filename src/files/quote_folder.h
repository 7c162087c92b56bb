#pragma once

#include <QString>

namespace quillon {

// The folder that holds the quote file: the program's folder whenever it can be written (a build
// folder, a per-user install), otherwise the user's data folder, as for a copy installed under
// /usr or /opt. The data folder is created when it is used.
//
//   quoteFolder("/opt/quillon/bin", "~/.local/share/Vellan Computers/Vellan")
//       == "~/.local/share/Vellan Computers/Vellan"
QString quoteFolder(const QString &programFolder, const QString &dataFolder);

} // namespace quillon
