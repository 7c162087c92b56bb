#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillon {

// Fonts whose bytes stand for pictures rather than letters of a code page: RTF marks them with
// \fcharset2, and WordPad and Word write list bullets in them (Symbol's 0xB7 is the bullet •).
enum class SymbolFont {
    None,      // an ordinary font, read in a code page
    Symbol,    // Symbol: Greek letters, mathematical signs, arrows
    Wingdings, // Wingdings: bullets, boxes, check marks, arrows
    Other,     // another symbol font, whose characters Unicode does not name here
};

// Which symbol font a font table entry is: by its name first, then by its character set.
// symbolFontOf(u"Symbol", 0) is SymbolFont::Symbol; symbolFontOf(u"Marlett", 2) is Other.
SymbolFont symbolFontOf(const QString &name, int charset);

// The Unicode characters that the bytes show in the font; a blank is a blank in every font. A
// byte that has no character of its own in Unicode becomes U+F000 plus the byte, the private-use
// code that Windows reads symbol fonts into, so that the font itself can still show it.
QString decodeSymbolFont(SymbolFont font, QByteArrayView bytes);

// Whether `c` is such a private-use code, which only the symbol font shows as meant.
bool isUnmappedSymbol(QChar c);

// The character a private-use code stands for in the font where Unicode has one, as
// decodeSymbolFont() reads the byte (Word writes Symbol's bullet as \u61623, U+F0B7, which is
// U+2022); any other character as it is.
QChar symbolFontCharacter(SymbolFont font, QChar c);

} // namespace quillon
