#include "print_zone_line.h"

namespace quillon {

namespace {

constexpr qsizetype kZoneWidth = 14;

// A character outside the Basic Multilingual Plane takes two UTF-16 units but one column.
qsizetype codePointCount(QStringView text) {
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) {
            --count;
        }
    }
    return count;
}

} // namespace

PrintZoneLine &PrintZoneLine::item(const QString &text) {
    m_text += text;
    m_column += codePointCount(text);
    return *this;
}

PrintZoneLine &PrintZoneLine::zoneStep(int count) {
    for (int i = 0; i < count; ++i) {
        // Zone starts counted from 0 are 0, 14, 28, ...; the next one strictly to the right.
        const qsizetype next = (m_column / kZoneWidth + 1) * kZoneWidth;
        m_text += QString(next - m_column, u' ');
        m_column = next;
    }
    return *this;
}

} // namespace quillon
