#pragma once

#include <QString>

namespace quillon {

// The folder that holds the quote file: the program's folder whenever a file can really be made
// there (a build folder, a per-user install, an unpacked zip), otherwise the user's data folder,
// as for a copy installed under /usr or /opt, or under Program Files for a user without
// administrator rights. The data folder is created when it is used. The empty text when the
// program's folder cannot be written and there is no data folder either (no home folder): the
// quote file is then never written relative to whatever the working folder is.
//
// A quote file already kept in the program's folder (from when that folder could be written) is
// copied into the data folder the first time the data folder is used, so its history comes along;
// the old file stays where it is.
//
//   quoteFolder("/opt/quillon/bin", "~/.local/share/Vellan Computers/Vellan")
//       == "~/.local/share/Vellan Computers/Vellan"
QString quoteFolder(const QString &programFolder, const QString &dataFolder);

// What the user is told when quoteFolder() finds no folder.
QString noQuoteFolderText();

} // namespace quillon
