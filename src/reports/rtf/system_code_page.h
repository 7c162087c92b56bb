#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace quillon {

// Decodes one whole run of 8-bit text: a character left incomplete at its end becomes U+FFFD.
using RunDecoder = std::function<QString(QByteArrayView bytes)>;

// The system's own converter for a Windows code page, or an empty function where the system has
// none for it. One source per system provides it: Windows' own tables on Windows, Qt's
// converters (ICU) elsewhere.
RunDecoder systemCodePageDecoder(int codePage);

// The code page a plain text file without a byte-order mark that is not UTF-8 is read in: the
// system's ANSI code page on Windows, the one its text editors save in; 1252 elsewhere, which
// has none of its own.
int plainTextCodePage();

// Code pages where one character may take more than one byte, so that a run can end inside one.
bool isMultiByteCodePage(int codePage);

} // namespace quillon
