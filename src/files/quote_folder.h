#pragma once

#include <QString>

namespace quillon {

// The folder that holds the quote file: the program's folder whenever it can be written (a build
// folder, a per-user install), otherwise the user's data folder, as for a copy installed under
// /usr or /opt. The data folder is created when it is used. The empty text when the program's
// folder cannot be written and there is no data folder either (no home folder): the quote file
// is then never written relative to whatever the working folder is.
//
//   quoteFolder("/opt/quillon/bin", "~/.local/share/Vellan Computers/Vellan")
//       == "~/.local/share/Vellan Computers/Vellan"
QString quoteFolder(const QString &programFolder, const QString &dataFolder);

// What the user is told when quoteFolder() finds no folder.
QString noQuoteFolderText();

} // namespace quillon
