#include "portable_group.h"

#include "rtf_tokenizer.h"

#include <algorithm>
#include <vector>

namespace quillon {

namespace {

struct GroupFonts {
    int font;
    int unicodeSkip = 1; // \ucN: the fallback characters after each \uN
};

// Text as an RTF writer of any code page writes it: ASCII as it is, the rest as \uN with the
// group's count of '?' for readers that know no \u.
void appendPortableText(QByteArray &out, const QString &text, int unicodeSkip, bool delimit) {
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x20 && unit < 0x80) {
            if (delimit)
                out += ' ';
            if (unit == u'\\' || unit == u'{' || unit == u'}')
                out += '\\';
            out += char(unit);
        } else {
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit));
            out += QByteArray(unicodeSkip, '?');
            if (unicodeSkip == 0)
                out += ' ';
        }
        delimit = false;
    }
}

} // namespace

PortableGroup portableGroup(QByteArrayView rtf, int font,
                            const std::function<QString(QByteArrayView, int)> &decode,
                            const std::function<QString(int)> &fontName) {
    PortableGroup group;
    RtfTokenizer tokenizer(rtf);
    std::vector<GroupFonts> stack{{font}};
    // The run of text bytes being gathered, and the same as it stood in the input, kept when
    // the run is ASCII alone and so reads alike in every code page.
    QByteArray bytes;
    QByteArray raw;
    bool wordBefore = false; // a control word without its delimiting blank ends the output
    int skip = 0;            // fallback characters of the last \u still to pass over
    const auto flush = [&] {
        if (bytes.isEmpty())
            return;
        if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
            group.rtf += raw;
        else
            appendPortableText(group.rtf, decode(bytes, stack.back().font),
                               stack.back().unicodeSkip, wordBefore);
        bytes.clear();
        raw.clear();
        wordBefore = false;
    };
    for (qsizetype start = 0;; start = tokenizer.position()) {
        const RtfToken token = tokenizer.next();
        if (token.type == RtfToken::Type::End)
            break;
        const QByteArrayView source = rtf.sliced(start, tokenizer.position() - start);
        if (token.type == RtfToken::Type::Text || token.type == RtfToken::Type::HexByte) {
            if (skip > 0) {
                // Fallback characters stay what they were: a byte each, after the line breaks
                // the tokenizer passed over.
                const qsizetype lead = token.type == RtfToken::Type::HexByte
                                           ? source.size()
                                           : source.size() - token.text.size();
                const qsizetype passed = token.type == RtfToken::Type::HexByte
                                             ? 0
                                             : std::min<qsizetype>(skip, token.text.size());
                skip = token.type == RtfToken::Type::HexByte ? skip - 1 : skip - int(passed);
                flush();
                group.rtf += source.first(lead + passed);
                wordBefore = false;
                const QByteArrayView rest = source.sliced(lead + passed);
                bytes += rest;
                raw += rest;
                continue;
            }
            if (token.type == RtfToken::Type::HexByte)
                bytes += char(token.parameter);
            else
                bytes += token.text;
            raw += source;
            continue;
        }
        flush();
        skip = 0;
        group.rtf += source;
        wordBefore = token.type == RtfToken::Type::ControlWord && !source.endsWith(' ');
        switch (token.type) {
        case RtfToken::Type::GroupOpen:
            stack.push_back(stack.back());
            break;
        case RtfToken::Type::GroupClose:
            if (stack.size() > 1)
                stack.pop_back();
            break;
        case RtfToken::Type::ControlWord:
            if (token.word == "f" && token.hasParameter) {
                stack.back().font = token.parameter;
                // A font the table lacks is held too, as nameless: its number may name another
                // font in the written table.
                group.fonts.insert(QString::number(token.parameter), fontName(token.parameter));
            } else if (token.word == "plain") {
                stack.back().font = -1;
            } else if (token.word == "uc") {
                stack.back().unicodeSkip = std::max(0, int(token.parameter));
            } else if (token.word == "u") {
                skip = stack.back().unicodeSkip;
            }
            break;
        default:
            break;
        }
    }
    flush();
    // What the tokenizer could not read goes back as it came.
    group.rtf += rtf.sliced(std::min(tokenizer.position(), rtf.size()));
    return group;
}

QByteArray renumberedFonts(QByteArrayView rtf, const QVariantMap &fonts,
                           const std::function<int(const QString &)> &number) {
    QByteArray out;
    RtfTokenizer tokenizer(rtf);
    for (qsizetype start = 0;; start = tokenizer.position()) {
        const RtfToken token = tokenizer.next();
        if (token.type == RtfToken::Type::End)
            break;
        const QByteArrayView source = rtf.sliced(start, tokenizer.position() - start);
        const auto name = fonts.constFind(QString::number(token.parameter));
        if (token.type == RtfToken::Type::ControlWord && token.word == "f" && token.hasParameter &&
            name != fonts.constEnd()) {
            out += "\\f" + QByteArray::number(number(name->toString()));
            if (source.endsWith(' '))
                out += ' ';
        } else {
            out += source;
        }
    }
    out += rtf.sliced(std::min(tokenizer.position(), rtf.size()));
    return out;
}

} // namespace quillon
