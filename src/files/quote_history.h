#pragma once

#include <QString>

#include <optional>

class QFileDevice;
class QIODevice;

namespace quillon {

// Writes the history of an old quote file (the bytes of `from` from `offset` to its end) into the
// new one, which is UTF-8, so that the file stays in one encoding: a text editor reads a file in
// one encoding only. On Windows a history that is not UTF-8 was written by the program this one
// replaces, in the system's ANSI code page, and is recoded into UTF-8 (Notepad then shows old and
// new records alike, and a name the code page has no character for is never lost); elsewhere
// it is copied as it stands. The reason on failure.
std::optional<QString> copyHistory(QFileDevice &from, qint64 offset, QIODevice &to);

} // namespace quillon
