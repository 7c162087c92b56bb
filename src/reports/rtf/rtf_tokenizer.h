#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace quillon {

// The value of a hexadecimal digit, or -1 for any other character.
int hexValue(char c);

// One piece of an RTF file. Views point into the tokenizer's input and live as long as it does.
struct RtfToken {
    enum class Type {
        End,           // end of input, or the input after an error
        GroupOpen,     // {
        GroupClose,    // }
        ControlWord,   // \word or \word-123: `word` and, when present, `parameter`
        ControlSymbol, // \ followed by one non-letter other than ': `symbol`
        HexByte,       // \'hh: the byte in `parameter`
        Text,          // a run of 8-bit text without braces, backslashes or line breaks: `text`
        BinaryData,    // the N bytes after \binN: `text`
    };

    Type type = Type::End;
    QByteArrayView word;
    QByteArrayView text;
    char symbol = 0;
    bool hasParameter = false;
    std::int32_t parameter = 0;
};

// Splits RTF bytes into tokens in one pass: every byte is looked at a bounded number of times, so
// the time is linear in the input. Line breaks outside control words are dropped, as RTF wants.
// Malformed input (a parameter beyond 32 bits, a control word longer than 32 letters, a bad or
// cut-off \' escape, \bin data running past the end) stops the tokenizer: next() then returns End
// and hasError() tells why.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input);

    RtfToken next();

    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    // Byte offset of the next token, for error messages.
    qsizetype position() const { return m_pos; }

private:
    RtfToken readControl();
    RtfToken readText();
    RtfToken fail(const QString &reason);

    QByteArrayView m_input;
    qsizetype m_pos = 0;
    qsizetype m_pendingBinary = -1;
    QString m_error;
};

} // namespace quillon
