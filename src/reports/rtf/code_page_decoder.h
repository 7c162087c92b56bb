#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace quillon {

// Turns the 8-bit text of an RTF file into Unicode for a Windows code page number (the parameter
// of \ansicpg, or the code page of a font's \fcharset), through the system's converters. The Mac
// code pages that Apple's programs write are read with their nearest Windows relative where the
// system has no table of its own for them. A code page that is unknown, invalid or not available
// here falls back to 1252, and where the system has no converter for 1252 either (Qt promises
// none), to Latin-1, so that text is never dropped.
//
// Each call decodes a whole run of text: a character left incomplete at its end (a lone lead byte
// of a double-byte code page before a paragraph mark or a group's end) becomes U+FFFD and never
// takes the first byte of the next run.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage = 1252);

    // The code page actually in use: `codePage`, or 1252 after a fallback.
    int codePage() const { return m_codePage; }

    QString decode(QByteArrayView bytes);

private:
    int m_codePage = 1252;
    std::function<QString(QByteArrayView)> m_decode;
};

// `codePage` when it is one the decoder knows, otherwise 1252, its fallback: a file can name any
// number of code pages, but no more decoders than these are ever needed.
int knownCodePageOr1252(int codePage);

// The Windows code page that a font's character set (\fcharsetN) stands for, or 0 where the
// character set says nothing of its own (1, "default", and unknown numbers): such text is in the
// document's code page. Character set 2 (symbol) is 0 too: symbol fonts have no code page.
int codePageOfCharset(int charset);

} // namespace quillon
