#include "rtf_document_builder.h"

#include "portable_group.h"
#include "rtf_document_properties.h"
#include "rtf_reader.h"
#include "symbol_font.h"
#include "unwanted_characters.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>

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

    m_data = data;
    for (token = tokenizer.next(); token.type != RtfToken::Type::End; token = tokenizer.next()) {
        m_position = tokenizer.position();
        // A destination's word comes first in its group, after \* at most.
        m_firstInGroup = m_groupOpened;
        m_groupOpened =
            token.type == RtfToken::Type::GroupOpen ||
            (m_firstInGroup && token.type == RtfToken::Type::ControlSymbol && token.symbol == '*');
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
            m_state.openedAt = m_position - 1;
            if (const auto start = rulesOf(m_state.destination).groupStart)
                start(*this);
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
                m_pictures.picture().appendBinary(token.text);
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
    m_paragraphStartDue = true;
    m_lists.setBlockList(std::nullopt); // a new cell's block has the table's format
    readBlockLayout();
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
    readBlockLayout();
}

// Ends a group, and with it the destination it began, back in the state of the group around it.
void RtfDocumentBuilder::closeGroup() {
    const DestinationRules &inner = rulesOf(m_state.destination);
    if (inner.groupEnd)
        inner.groupEnd(*this);
    const bool ends = m_state.destination != m_stack.back().destination;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (m_headersAndFooters.endsAt(m_stack.size()))
        endHeaderFooter();
    if (ends && inner.end)
        inner.end(*this);
}

void RtfDocumentBuilder::startFieldInstruction() {
    enterDestination(Destination::FieldInstruction);
    m_fields.startInstruction(m_firstInGroup);
}

// The result of a field whose instruction has no group of its own.
void RtfDocumentBuilder::showFieldResult() {
    if (!m_fields.isInline())
        return;
    enterDestination(Destination::Text);
    if (const int link = m_fields.linkOfInstruction(); link >= 0)
        m_state.chars.link = link;
}

void RtfDocumentBuilder::endFieldInstruction() {
    if (const int link = m_fields.endInstruction(); link >= 0)
        m_state.chars.link = link;
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
    readBlockLayout();
}

// Gives the paragraph being read its alignment and spacing. Blocks made by a line break in
// inserted text take the format of the block before, so only a change needs a word to the
// document.
void RtfDocumentBuilder::applyAlignment() {
    if (m_state.destination != Destination::Text || !blockLayoutChanges())
        return;
    if (m_paragraphPending)
        return; // the paragraph that ended has its alignment; the next one has not begun
    flushText();
    const ParagraphSpacing spacing = wantedSpacing();
    QTextBlockFormat format;
    format.setAlignment(m_state.paragraph.alignment);
    spacing.applyTo(format);
    m_cursor.mergeBlockFormat(format);
    m_blockAlignment = m_state.paragraph.alignment;
    m_blockSpacing = spacing;
}

bool RtfDocumentBuilder::blockLayoutChanges() const {
    return m_state.paragraph.alignment != m_blockAlignment || wantedSpacing() != m_blockSpacing;
}

// A page break waits for the body's next paragraph, which it comes before, and holds until that
// paragraph ends.
ParagraphSpacing RtfDocumentBuilder::wantedSpacing() const {
    ParagraphSpacing spacing = m_state.paragraph.spacing;
    spacing.pageBreakBefore =
        spacing.pageBreakBefore || (m_pageBreakDue && !m_headersAndFooters.isReading());
    return spacing;
}

void RtfDocumentBuilder::readBlockLayout() {
    const QTextBlockFormat format = m_cursor.blockFormat();
    m_blockAlignment = format.alignment();
    m_blockSpacing = ParagraphSpacing::of(format);
}

// A section begins on a new page unless the next one says otherwise (\sbknone).
void RtfDocumentBuilder::breakSection() {
    breakParagraph();
    m_sectionRead = true;
    if (m_state.destination == Destination::Text && m_state.paragraph.tableLevel() == 0 &&
        !m_headersAndFooters.isReading())
        m_pageBreakDue = true;
}

void RtfDocumentBuilder::keepPageLayout(QByteArrayView word, std::optional<int> value) {
    m_pageLayout += '\\' + word.toByteArray();
    if (value)
        m_pageLayout += QByteArray::number(*value);
}

// \page and the page a section begins on: the paragraph the mark ends, or the one after the mark
// that ended it, is the last of its page. A header has no pages of its own: a break in it ends its
// paragraph and is not the body's.
void RtfDocumentBuilder::breakPage() {
    if (m_state.destination != Destination::Text || m_state.paragraph.tableLevel() > 0)
        return;
    if (!m_paragraphPending)
        breakParagraph();
    if (!m_headersAndFooters.isReading())
        m_pageBreakDue = true;
}

// Tables still open at the end close there, taking their cell widths.
void RtfDocumentBuilder::finishDocument() {
    // A header left open by a file cut short ends with it.
    if (m_headersAndFooters.isReading())
        endHeaderFooter();
    applyAlignment();
    flushText();
    m_tables.placeFor(0);
    m_headersAndFooters.placeIn(m_document);
    storePageSetup();
}

// What the document's pages are like, for a save to write back.
void RtfDocumentBuilder::storePageSetup() {
    QTextFrameFormat format = m_document->rootFrame()->frameFormat();
    m_headersAndFooters.storePageSetup(format);
    if (!m_pageLayout.isEmpty())
        format.setProperty(pageLayoutProperty, m_pageLayout);
    m_document->rootFrame()->setFrameFormat(format);
}

void RtfDocumentBuilder::insertPicture() {
    if (m_state.destination == Destination::Kept) {
        m_kept.offerPicture(m_pictures.picture());
        return;
    }
    noteLost(m_pictures.insertPicture());
}

void RtfDocumentBuilder::startKeptGroup(const QString &kind) {
    // Only a group that begins with the word is the thing whole; in one that began with other
    // content, the rest cannot be kept apart from what was read already.
    if (!m_firstInGroup) {
        noteLost(RtfKeptGroupBuilder::lostName(kind));
        enterDestination(Destination::Skip);
        return;
    }
    enterDestination(Destination::Kept);
    m_kept.start(m_state.openedAt, kind);
}

void RtfDocumentBuilder::endKeptGroup() {
    m_kept.end(
        m_data, m_position, [this](QByteArrayView group) { return portableGroupOf(group); },
        m_pictures);
}

// An image stands in its paragraph as its text does.
void RtfDocumentBuilder::prepareForImage() {
    placeContent(m_state.paragraph.tableLevel());
    if (m_paragraphPending) {
        m_text += u'\n';
        m_paragraphPending = false;
    }
    if (m_paragraphStartDue)
        startParagraphContent();
    applyAlignment();
    flushText();
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
        m_pictures.picture().appendHex(bytes);
    else if (m_state.destination == Destination::ListTable)
        m_lists.table().appendBytes(bytes); // read in the font its level names, which comes later
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
    if (m_state.destination == Destination::FontTable)
        return decoderFor(m_fonts.entryCodePage() != 0 ? m_fonts.entryCodePage()
                                                       : m_documentCodePage)
            .decode(bytes);
    return decodeInFont(bytes, m_state.chars.font);
}

QChar RtfDocumentBuilder::readInFont(QChar c, int fontNumber) const {
    const RtfFont *font = m_fonts.font(fontNumber);
    if (font && (font->symbols == SymbolFont::Symbol || font->symbols == SymbolFont::Wingdings))
        return symbolFontCharacter(font->symbols, c);
    return c;
}

QString RtfDocumentBuilder::decodeInFont(QByteArrayView bytes, int fontNumber) {
    RtfFont font;
    if (const RtfFont *used = m_fonts.font(fontNumber))
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
    if (m_paragraphPending && blockLayoutChanges()) {
        // A new paragraph with another alignment or spacing starts in a block of its own.
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
    if (m_paragraphStartDue)
        startParagraphContent();
    const RtfFont *font = m_fonts.font(m_state.chars.font);
    const bool symbols =
        font && (font->symbols == SymbolFont::Symbol || font->symbols == SymbolFont::Wingdings);
    for (QChar c : text) {
        if (isUnwantedCharacter(c.unicode()))
            continue;
        if (symbols) {
            // The file may write the sign as its private-use code (\uN) rather than as its byte.
            c = symbolFontCharacter(font->symbols, c);
            CharState chars = m_state.chars;
            chars.unmappedSymbol = isUnmappedSymbol(c);
            if (chars != m_textChars && !m_text.isEmpty())
                flushText();
            m_textChars = chars;
        }
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
    if (!m_headersAndFooters.isReading())
        m_pageBreakDue = false;
    // A paragraph with no content still takes its list, or leaves the one before.
    if (m_paragraphStartDue)
        startParagraphContent();
    m_paragraphPending = true;
    m_paragraphStartDue = true;
    m_lists.clearWrittenLabel(); // an empty paragraph's; the next one's label follows its mark
}

// A header or footer inside a table or inside another header has no place of its own and is
// skipped.
void RtfDocumentBuilder::startHeaderFooter(QByteArrayView word) {
    if (m_state.destination != Destination::Text || m_headersAndFooters.isReading() ||
        m_tables.openTables() > 0 || m_state.paragraph.tableLevel() > 0) {
        noteLost(QStringLiteral("headers or footers"));
        m_state.destination = Destination::Skip;
        return;
    }
    flushText();
    m_cursor = QTextCursor(m_headersAndFooters.start(
        word, m_stack.size(), m_firstInGroup ? m_state.openedAt : -1, m_state.chars.hidden,
        {m_paragraphPending, m_paragraphStartDue, m_blockAlignment, m_lists.blockList()}));
    m_paragraphPending = false;
    m_paragraphStartDue = true;
    readBlockLayout();
    m_lists.setBlockList(std::nullopt);
    m_lists.startCountingApart();
    m_state.paragraph = ParagraphState();
}

void RtfDocumentBuilder::endHeaderFooter() {
    applyAlignment();
    flushText();
    m_tables.placeFor(0);
    const RtfHeadersAndFooters::BodyState body =
        m_headersAndFooters.end(m_data, m_position, m_stack.size(),
                                [this](QByteArrayView group) { return portableGroupOf(group); });
    // Outside tables, as headers are, the body goes on at the document's end.
    m_cursor = QTextCursor(m_document);
    m_cursor.movePosition(QTextCursor::End);
    m_paragraphPending = body.paragraphPending;
    m_paragraphStartDue = body.paragraphStartDue;
    m_blockAlignment = body.blockAlignment;
    m_blockSpacing = ParagraphSpacing::of(m_cursor.blockFormat());
    m_lists.setBlockList(body.blockList);
    m_lists.endCountingApart();
    m_lists.clearWrittenLabel();
}

// A group kept whole as the writer's code page and font table will hold it, read in the fonts
// in force where it stands.
PortableGroup RtfDocumentBuilder::portableGroupOf(QByteArrayView group) {
    return portableGroup(
        group, m_state.chars.font,
        [this](QByteArrayView bytes, int font) { return decodeInFont(bytes, font); },
        [this](int font) {
            const RtfFont *entry = font >= 0 ? m_fonts.font(font) : nullptr;
            return entry ? entry->name : QString();
        });
}

// An automatic footnote mark, numbered as Word numbers them; the note itself is kept whole with
// its own mark inside. A hidden mark is left out with the hidden text, so it takes no number:
// the marks after it keep the numbers a save writes back. Marks in headers and footers count
// apart from the body's, as a save writes those before the body.
void RtfDocumentBuilder::appendFootnoteMark() {
    if (m_state.destination != Destination::Text)
        return;
    if (m_state.chars.hidden) {
        noteLost(QStringLiteral("hidden text"));
        return;
    }
    flushText();
    m_footnoteMarkNumber =
        m_headersAndFooters.isReading() ? ++m_headerFooterMarks : ++m_footnoteMarks;
    appendText(QString::number(*m_footnoteMarkNumber));
    flushText();
    m_footnoteMarkNumber.reset();
}

// The first content of a paragraph: a list paragraph begins with its label.
void RtfDocumentBuilder::startParagraphContent() {
    m_paragraphStartDue = false;
    const ParagraphSpacing &layout = m_state.paragraph.spacing;
    m_text += m_lists.startParagraph(
        m_state.paragraph.list, m_state.paragraph.listLevel,
        layout.left != 0 || layout.firstLine != 0, m_cursor, [this] { flushText(); },
        [this] { return charFormat(m_state.chars); });
}

void RtfDocumentBuilder::flushText() {
    if (m_text.isEmpty())
        return;
    replaceLoneSurrogates(m_text);
    QTextCharFormat format = charFormat(m_textChars);
    if (m_footnoteMarkNumber)
        format.setProperty(footnoteMarkProperty, *m_footnoteMarkNumber);
    m_cursor.insertText(m_text, format);
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
    if (chars.vertical != 0)
        format.setVerticalAlignment(chars.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    const RtfFont *font = m_fonts.font(chars.font);
    // Text read from Symbol or Wingdings is Unicode now, which an ordinary font shows; in the
    // symbol font itself it would show other signs, and written back under that font's name it
    // would read back as other characters. Only the signs Unicode lacks keep the font, which
    // alone shows them.
    if (font && !font->name.isEmpty() &&
        (chars.unmappedSymbol ||
         (font->symbols != SymbolFont::Symbol && font->symbols != SymbolFont::Wingdings)))
        format.setFontFamilies({font->name});
    if (const std::optional<QColor> colour = m_colours.colour(chars.color))
        format.setForeground(*colour);
    if (chars.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_fields.link(chars.link));
    }
    return format;
}

} // namespace quillon
