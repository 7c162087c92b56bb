#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillon {

// The text of a plain text file, whoever wrote it: UTF-8 with or without a byte-order mark,
// UTF-16 or UTF-32 with a byte-order mark in either byte order, and anything else read in the
// code page a text editor on Windows would have saved it in: the system's ANSI code page there,
// 1252 elsewhere (plainTextCodePage()). The mark is dropped and every line end (CR LF, lone CR)
// becomes one LF.
//
//   decodeTextFile("\xff\xfeH\0i\0") == "Hi"        (UTF-16, little-endian)
//   decodeTextFile("caf\xe9\r\n") == "café\n"       (code page 1252)
QString decodeTextFile(QByteArrayView bytes);

} // namespace quillon
