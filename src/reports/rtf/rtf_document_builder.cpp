#include "rtf_document_builder.h"

#include "rtf_field.h"
#include "rtf_reader.h"
#include "symbol_font.h"
#include "unwanted_characters.h"

#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace quillon {

namespace {

void replaceLoneSurrogates(QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}
} // namespace

std::optional<QString> RtfDocumentBuilder::build(QByteArrayView data) {
    RtfTokenizer tokenizer(data);
    RtfToken token = tokenizer.next();
    const RtfToken first = tokenizer.next();
    if (token.type != RtfToken::Type::GroupOpen || first.type != RtfToken::Type::ControlWord ||
        first.word != "rtf") {
        return tokenizer.hasError() ? tokenizer.errorString()
                                    : QStringLiteral("The file does not begin with {\\rtf");
    }

    for (token = tokenizer.next(); token.type != RtfToken::Type::End; token = tokenizer.next()) {
        if (m_fallbackToSkip > 0 && token.type != RtfToken::Type::GroupOpen &&
            token.type != RtfToken::Type::GroupClose) {
            if (token.type == RtfToken::Type::Text) {
                const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, token.text.size());
                m_fallbackToSkip -= static_cast<int>(skipped);
                appendBytes(token.text.sliced(skipped));
            } else {
                --m_fallbackToSkip;
            }
            continue;
        }

        switch (token.type) {
        case RtfToken::Type::GroupOpen:
            flushBytes();
            m_fallbackToSkip = 0;
            m_starredFrom.reset();
            if (m_stack.size() + 1 >= static_cast<size_t>(RtfReader::maxGroupDepth))
                return QStringLiteral("Groups are nested deeper than %1 levels")
                    .arg(RtfReader::maxGroupDepth);
            m_stack.push_back(m_state);
            break;
        case RtfToken::Type::GroupClose:
            flushBytes();
            m_fallbackToSkip = 0;
            if (m_stack.empty()) {
                finishDocument();
                return std::nullopt;
            }
            m_starredFrom.reset();
            closeGroup();
            break;
        case RtfToken::Type::ControlWord:
            flushBytes();
            handleWord(token);
            break;
        case RtfToken::Type::ControlSymbol:
            flushBytes();
            handleSymbol(token.symbol);
            break;
        case RtfToken::Type::HexByte: {
            const char byte = static_cast<char>(token.parameter);
            appendBytes(QByteArrayView(&byte, 1));
            break;
        }
        case RtfToken::Type::Text:
            appendBytes(token.text);
            break;
        case RtfToken::Type::BinaryData:
            if (m_state.destination == Destination::Picture)
                m_picture.appendBinary(token.text);
            break;
        case RtfToken::Type::End:
            break;
        }
    }
    if (tokenizer.hasError())
        return tokenizer.errorString();
    flushBytes();
    finishDocument();
    return std::nullopt;
}
void RtfDocumentBuilder::appendUnicode(int value) {
    // \u takes a signed 16-bit value; negative values stand for the upper half.
    if (value >= -0x8000 && value < 0)
        appendText(QString(QChar(static_cast<char16_t>(value + 0x10000))));
    else if (value >= 0 && value <= 0xFFFF)
        appendText(QString(QChar(static_cast<char16_t>(value))));
    else
        appendText(QString(QChar::ReplacementCharacter));
    m_fallbackToSkip = m_state.unicodeSkip;
}

// Row definitions inside \nesttableprops belong to the nested table they end.
int RtfDocumentBuilder::rowDefinitionLevel() const {
    return m_state.destination == Destination::TableProperties
               ? std::max(2, m_state.paragraph.tableLevel())
               : 1;
}

// Table marks outside any table read as the tab and paragraph end they look like.
bool RtfDocumentBuilder::isOutsideTables() const {
    return m_state.destination == Destination::Text && m_state.paragraph.tableLevel() == 0 &&
           m_tables.openTables() == 0;
}

void RtfDocumentBuilder::endCell(QByteArrayView word) {
    if (m_state.destination != Destination::Text)
        return;
    if (isOutsideTables()) {
        appendText(QStringLiteral("\t"));
        return;
    }
    const int level = word == "cell" ? 1 : std::max(2, m_state.paragraph.tableLevel());
    // The cell's last paragraph ends here, in the cell, even when it is empty: after "a\par" the
    // cell holds "a" and an empty paragraph.
    placeContent(level);
    if (std::exchange(m_paragraphPending, false))
        m_text += u'\n';
    applyAlignment();
    flushText();
    m_tables.endCell(level);
    m_paragraphPending = false;
    m_blockAlignment = m_cursor.blockFormat().alignment();
}

void RtfDocumentBuilder::endRow(QByteArrayView word) {
    if (isOutsideTables()) {
        breakParagraph();
        return;
    }
    // Writers reset the paragraph format before the row end: it is no paragraph's.
    if (m_state.destination != Destination::Text &&
        m_state.destination != Destination::TableProperties)
        return;
    flushText();
    m_tables.endRow(word == "row" ? 1 : std::max(2, m_state.paragraph.tableLevel()));
    m_paragraphPending = false;
    m_blockAlignment = m_cursor.blockFormat().alignment();
}

// Ends a group, and with it the destination it began, back in the state of the group around it.
void RtfDocumentBuilder::closeGroup() {
    const DestinationRules &inner = rulesOf(m_state.destination);
    if (inner.groupEnd)
        inner.groupEnd(*this);
    const bool ends = m_state.destination != m_stack.back().destination;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (ends && inner.end)
        inner.end(*this);
}

// The field's result, in the rest of the field group, shows the link. Control characters are no
// part of an address and could not be written back.
void RtfDocumentBuilder::endFieldInstruction() {
    QString target = hyperlinkTarget(m_fieldInstruction);
    target.removeIf([](QChar c) { return isUnwantedCharacter(c.unicode()); });
    if (!target.isEmpty()) {
        m_links.append(target);
        m_state.chars.link = static_cast<int>(m_links.size()) - 1;
    }
}

// Opens, closes and enters tables so that content goes where the paragraph's table level says.
void RtfDocumentBuilder::placeContent(int tableLevel) {
    if (m_tables.isPlacedFor(tableLevel))
        return;
    // The alignment in force already belongs to the paragraph after the move.
    flushText();
    m_tables.placeFor(tableLevel);
    // A paragraph mark before a table or cell change ends a paragraph the move ends anyway.
    m_paragraphPending = false;
    m_blockAlignment = m_cursor.blockFormat().alignment();
}

// Gives the paragraph being read its alignment. Blocks made by a line break in inserted text
// take the format of the block before, so only a change needs a word to the document.
void RtfDocumentBuilder::applyAlignment() {
    if (m_state.destination != Destination::Text || m_state.paragraph.alignment == m_blockAlignment)
        return;
    if (m_paragraphPending)
        return; // the paragraph that ended has its alignment; the next one has not begun
    flushText();
    QTextBlockFormat format;
    format.setAlignment(m_state.paragraph.alignment);
    m_cursor.mergeBlockFormat(format);
    m_blockAlignment = m_state.paragraph.alignment;
}

// Tables still open at the end close there, taking their cell widths.
void RtfDocumentBuilder::finishDocument() {
    applyAlignment();
    flushText();
    m_tables.placeFor(0);
}

void RtfDocumentBuilder::insertPicture() {
    const QImage image = m_picture.decode();
    if (image.isNull()) {
        noteLost(m_picture.lostName());
        return;
    }
    placeContent(m_state.paragraph.tableLevel());
    if (m_paragraphPending) {
        m_text += u'\n';
        m_paragraphPending = false;
    }
    applyAlignment();
    flushText();
    const QUrl name(QStringLiteral("rtf-picture:%1").arg(++m_pictureCount));
    m_document->addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat format;
    format.setName(name.toString());
    const QSizeF size = m_picture.displaySize(image);
    format.setWidth(size.width());
    format.setHeight(size.height());
    format.setProperty(pictureDataProperty, m_picture.data());
    format.setProperty(pictureTypeProperty, m_picture.type());
    m_cursor.insertImage(format);
    m_picture = RtfPicture();
}

void RtfDocumentBuilder::handleSymbol(char symbol) {
    if (m_state.destination == Destination::Skip)
        return;
    switch (symbol) {
    case '*':
        m_starredFrom = m_state.destination;
        m_state.destination = Destination::Skip;
        break;
    case '\\':
    case '{':
    case '}':
        appendText(QString(QLatin1Char(symbol)));
        break;
    case '~':
        appendText(QString(QChar::Nbsp));
        break;
    case '_':
        appendText(QString(QChar(0x2011)));
        break;
    case '-':
        appendText(QString(QChar::SoftHyphen));
        break;
    case '\r':
    case '\n':
        breakParagraph();
        break;
    case '\t':
        appendText(QStringLiteral("\t"));
        break;
    default:
        // \| and \: (index entries) show nothing.
        break;
    }
}

void RtfDocumentBuilder::appendBytes(QByteArrayView bytes) {
    if (m_state.destination == Destination::Picture)
        m_picture.appendHex(bytes);
    else if (m_state.destination != Destination::Skip)
        m_bytes.append(bytes);
}

void RtfDocumentBuilder::flushBytes() {
    if (m_bytes.isEmpty())
        return;
    const QString text = decodeBytes(m_bytes);
    m_bytes.clear();
    appendText(text);
}

QString RtfDocumentBuilder::decodeBytes(QByteArrayView bytes) {
    // A font table entry's name is in the entry's own character set.
    RtfFont font;
    if (m_state.destination == Destination::FontTable)
        font.codePage = m_fonts.entryCodePage();
    else if (const RtfFont *used = m_fonts.font(m_state.chars.font))
        font = *used;
    if (font.symbols != SymbolFont::None)
        return decodeSymbolFont(font.symbols, bytes);
    return decoderFor(font.codePage != 0 ? font.codePage : m_documentCodePage).decode(bytes);
}

CodePageDecoder &RtfDocumentBuilder::decoderFor(int requested) {
    // Keyed by what the decoder can use, so that a file naming many unknown code pages opens one.
    const int codePage = knownCodePageOr1252(requested);
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end())
        found = m_decoders.emplace(codePage, CodePageDecoder(codePage)).first;
    return found->second;
}

void RtfDocumentBuilder::appendText(const QString &text) {
    if (const auto append = rulesOf(m_state.destination).text)
        append(*this, text);
}

void RtfDocumentBuilder::appendDocumentText(const QString &text) {
    if (text.isEmpty())
        return;
    if (m_state.chars.hidden) {
        noteLost(QStringLiteral("hidden text"));
        return;
    }

    placeContent(m_state.paragraph.tableLevel());
    if (m_paragraphPending && m_state.paragraph.alignment != m_blockAlignment) {
        // A new paragraph with another alignment starts in a block of its own.
        m_text += u'\n';
        m_paragraphPending = false;
        applyAlignment();
    }
    if (m_state.chars != m_textChars && !m_text.isEmpty())
        flushText();
    m_textChars = m_state.chars;
    if (m_paragraphPending) {
        m_text += u'\n';
        m_paragraphPending = false;
    }
    for (const QChar c : text) {
        if (!isUnwantedCharacter(c.unicode()))
            m_text += c;
    }
}

void RtfDocumentBuilder::breakParagraph() {
    if (m_state.destination != Destination::Text)
        return;
    placeContent(m_state.paragraph.tableLevel());
    // The paragraph mark only ends the current paragraph; the next one starts with its first
    // content, so the mark after the last paragraph adds no empty paragraph.
    if (m_paragraphPending)
        m_text += u'\n';
    m_paragraphPending = false;
    applyAlignment();
    m_paragraphPending = true;
}

void RtfDocumentBuilder::flushText() {
    if (m_text.isEmpty())
        return;
    replaceLoneSurrogates(m_text);
    m_cursor.insertText(m_text, charFormat(m_textChars));
    m_text.clear();
}

void RtfDocumentBuilder::noteLost(const QString &what) {
    if (!what.isEmpty() && !m_lost->contains(what))
        m_lost->append(what);
}

QTextCharFormat RtfDocumentBuilder::charFormat(const CharState &chars) const {
    QTextCharFormat format;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontPointSize(chars.halfPoints / 2.0);
    const RtfFont *font = m_fonts.font(chars.font);
    // Text read from Symbol or Wingdings is Unicode now, which an ordinary font shows; in the
    // symbol font itself it would show other signs, and written back under that font's name it
    // would read back as other characters.
    if (font && !font->name.isEmpty() && font->symbols != SymbolFont::Symbol &&
        font->symbols != SymbolFont::Wingdings)
        format.setFontFamilies({font->name});
    if (const std::optional<QColor> colour = m_colours.colour(chars.color))
        format.setForeground(*colour);
    if (chars.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_links[chars.link]);
    }
    return format;
}

} // namespace quillon
