#include "rtf_tokenizer.h"

#include <limits>

namespace quillon {

namespace {

// Word writes no control word longer than this; anything longer is not RTF.
constexpr qsizetype maxWordLength = 32;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfTokenizer::RtfTokenizer(QByteArrayView input)
    : m_input(input) {}

RtfToken RtfTokenizer::next() {
    if (hasError())
        return {};

    if (m_pendingBinary >= 0) {
        RtfToken token;
        token.type = RtfToken::Type::BinaryData;
        token.text = m_input.sliced(m_pos, m_pendingBinary);
        m_pos += m_pendingBinary;
        m_pendingBinary = -1;
        return token;
    }

    while (m_pos < m_input.size() && (m_input[m_pos] == '\r' || m_input[m_pos] == '\n'))
        ++m_pos;
    if (m_pos >= m_input.size())
        return {};

    RtfToken token;
    switch (m_input[m_pos]) {
    case '{':
        ++m_pos;
        token.type = RtfToken::Type::GroupOpen;
        return token;
    case '}':
        ++m_pos;
        token.type = RtfToken::Type::GroupClose;
        return token;
    case '\\':
        return readControl();
    default:
        return readText();
    }
}

RtfToken RtfTokenizer::readText() {
    const qsizetype start = m_pos;
    while (m_pos < m_input.size()) {
        const char c = m_input[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    RtfToken token;
    token.type = RtfToken::Type::Text;
    token.text = m_input.sliced(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::readControl() {
    const qsizetype start = m_pos;
    ++m_pos; // the backslash
    if (m_pos >= m_input.size())
        return fail(QStringLiteral("The file ends with a lone backslash"));

    RtfToken token;
    const char first = m_input[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            if (m_pos + 2 > m_input.size())
                return fail(QStringLiteral("The file ends inside a \\' escape"));
            const int high = hexValue(m_input[m_pos]);
            const int low = hexValue(m_input[m_pos + 1]);
            if (high < 0 || low < 0)
                return fail(QStringLiteral("Invalid \\' escape at byte %1").arg(start));
            m_pos += 2;
            token.type = RtfToken::Type::HexByte;
            token.hasParameter = true;
            token.parameter = high * 16 + low;
            return token;
        }
        token.type = RtfToken::Type::ControlSymbol;
        token.symbol = first;
        return token;
    }

    const qsizetype wordStart = m_pos;
    while (m_pos < m_input.size() && isLetter(m_input[m_pos])) {
        ++m_pos;
        if (m_pos - wordStart > maxWordLength)
            return fail(QStringLiteral("Control word too long at byte %1").arg(start));
    }
    token.type = RtfToken::Type::ControlWord;
    token.word = m_input.sliced(wordStart, m_pos - wordStart);

    bool negative = false;
    if (m_pos + 1 < m_input.size() && m_input[m_pos] == '-' && isDigit(m_input[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_input.size() && isDigit(m_input[m_pos])) {
        // Accumulating in 64 bits and stopping at the first digit past the 32-bit range keeps
        // the loop short whatever the number of digits.
        std::int64_t value = 0;
        const std::int64_t limit = negative
                                       ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                       : std::int64_t(std::numeric_limits<std::int32_t>::max());
        while (m_pos < m_input.size() && isDigit(m_input[m_pos])) {
            value = value * 10 + (m_input[m_pos] - '0');
            if (value > limit)
                return fail(QStringLiteral("Numeric parameter out of range at byte %1").arg(start));
            ++m_pos;
        }
        token.hasParameter = true;
        token.parameter = static_cast<std::int32_t>(negative ? -value : value);
    }
    if (m_pos < m_input.size() && m_input[m_pos] == ' ')
        ++m_pos;

    if (token.word == "bin") {
        const qsizetype count = token.hasParameter ? token.parameter : 0;
        if (count < 0)
            return fail(QStringLiteral("Negative \\bin length at byte %1").arg(start));
        if (count > m_input.size() - m_pos)
            return fail(QStringLiteral("\\bin data runs past the end of the file"));
        m_pendingBinary = count;
    }
    return token;
}

RtfToken RtfTokenizer::fail(const QString &reason) {
    if (m_error.isEmpty())
        m_error = reason;
    return {};
}

} // namespace quillon
