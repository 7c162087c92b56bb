#pragma once

#include "symbol_font.h"

#include <QString>

#include <map>

namespace quillon {

// A font of the font table: its name, and how its bytes are read.
struct RtfFont {
    QString name;
    int codePage = 0; // 0: the document's code page
    SymbolFont symbols = SymbolFont::None;
};

// The {\fonttbl ...} group as read, entry by entry ({\f1\fcharset161 Arial Greek;}), and the
// document's default font (\deff). An entry without a name is not kept.
class RtfFontTable {
public:
    void startEntry(int number);  // \fN
    void setCharset(int charset); // \fcharsetN
    // The entries' names, each ended by ';'.
    void appendText(const QString &text);
    // An entry's group closed, which ends the entry even without its ';'.
    void endGroup();
    void setDefaultFont(int number) { m_defaultFont = number; }

    // The code page the entry being read writes its name in.
    int entryCodePage() const;
    // The font numbered `number`, or the default font for -1; null when the table has none.
    const RtfFont *font(int number) const;

private:
    std::map<int, RtfFont> m_fonts;
    int m_defaultFont = 0;
    int m_entry = -1;
    int m_charset = -1;
    QString m_name;
};

} // namespace quillon
