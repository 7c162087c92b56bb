#include "rtf_font_table.h"

#include "code_page_decoder.h"
#include "unwanted_characters.h"

namespace quillon {

void RtfFontTable::startEntry(int number) {
    m_entry = number;
    m_charset = -1;
    m_name.clear();
}

void RtfFontTable::setCharset(int charset) {
    m_charset = charset;
}

void RtfFontTable::appendText(const QString &text) {
    for (const QChar c : text) {
        if (c != u';') {
            if (!isUnwantedCharacter(c.unicode()))
                m_name += c;
            continue;
        }
        const QString name = m_name.trimmed();
        if (m_entry >= 0 && !name.isEmpty())
            m_fonts[m_entry] = {name, codePageOfCharset(m_charset), symbolFontOf(name, m_charset)};
        m_entry = -1;
        m_name.clear();
    }
}

void RtfFontTable::endGroup() {
    appendText(QStringLiteral(";"));
}

int RtfFontTable::entryCodePage() const {
    return codePageOfCharset(m_charset);
}

const RtfFont *RtfFontTable::font(int number) const {
    const auto found = m_fonts.find(number < 0 ? m_defaultFont : number);
    return found == m_fonts.end() ? nullptr : &found->second;
}

} // namespace quillon
