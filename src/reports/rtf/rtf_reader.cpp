#include "rtf_reader.h"

#include "code_page_decoder.h"
#include "rtf_field.h"
#include "rtf_picture.h"
#include "rtf_table_builder.h"
#include "rtf_tokenizer.h"
#include "symbol_font.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {

namespace {

constexpr int defaultHalfPoints = 24;
// Word's own limits for \fs, which keep QFont away from absurd sizes.
constexpr int minHalfPoints = 2;
constexpr int maxHalfPoints = 3276;

// Destinations whose content is not part of the visible text (\nonesttables: the text that
// readers without nested tables show in their place). Those written with \* are skipped
// whatever their name.
constexpr auto skippedDestinations = std::to_array<std::string_view>({
    "annotation",
    "atnauthor",
    "atndate",
    "atnid",
    "author",
    "bkmkend",
    "bkmkstart",
    "buptim",
    "comment",
    "creatim",
    "datastore",
    "doccomm",
    "falt",
    "filetbl",
    "footer",
    "footerf",
    "footerl",
    "footerr",
    "footnote",
    "ftncn",
    "ftnsep",
    "ftnsepc",
    "header",
    "headerf",
    "headerl",
    "headerr",
    "info",
    "keywords",
    "listoverridetable",
    "listtable",
    "nonesttables",
    "nonshppict",
    "object",
    "operator",
    "printim",
    "private",
    "revtbl",
    "revtim",
    "rsidtbl",
    "shp",
    "shpinst",
    "stylesheet",
    "subject",
    "tc",
    "tcn",
    "template",
    "themedata",
    "title",
    "txe",
    "xe",
    "xmlnstbl",
});

// Skipped destinations that hold content a user sees in other editors, and how to name it when
// it would be lost.
QString lostContentName(QByteArrayView word) {
    if (word == "object")
        return QStringLiteral("an embedded object");
    if (word.startsWith("header") || word.startsWith("footer"))
        return QStringLiteral("headers or footers");
    if (word == "footnote")
        return QStringLiteral("footnotes");
    if (word == "annotation")
        return QStringLiteral("comments");
    if (word == "tc" || word == "tcn" || word == "xe")
        return QStringLiteral("index or contents entries");
    return {};
}

bool isSkippedDestination(QByteArrayView word) {
    const std::string_view name(word.data(), static_cast<size_t>(word.size()));
    return std::find(skippedDestinations.begin(), skippedDestinations.end(), name) !=
           skippedDestinations.end();
}

// Control words that stand for one character.
std::optional<char16_t> specialCharacter(QByteArrayView word) {
    static const std::map<QByteArrayView, char16_t> characters = {
        {"bullet", 0x2022},    {"emdash", 0x2014},    {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005},   {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"tab", u'\t'},     {"cell", u'\t'},
        {"nestcell", u'\t'},   {"line", 0x2028},
    };
    const auto found = characters.find(word);
    if (found == characters.end())
        return std::nullopt;
    return found->second;
}

// Picture, FieldInstruction and TableProperties gather what the document keeps as structure:
// an image, a link's target, a nested table's row definition.
enum class Destination {
    Text,
    FontTable,
    ColorTable,
    Skip,
    Picture,
    FieldInstruction,
    TableProperties
};

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int color = 0;
    int link = -1;       // index of the hyperlink target, -1 outside links
    bool hidden = false; // \v: kept out of the document

    bool operator==(const CharState &) const = default;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    bool inTable = false;
    int nesting = 0; // \itap

    int tableLevel() const { return std::max(inTable ? 1 : 0, nesting); }
};

// A font table entry: its name, and how its bytes are read.
struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
    SymbolFont symbols = SymbolFont::None;
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

// Characters that must not reach QTextCursor::insertText, which would turn them into block or
// frame boundaries or objects without data: control characters other than tab and the
// characters Qt reserves for its own use.
bool isUnwantedCharacter(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC || c == 0xFFFE ||
           c == 0xFFFF;
}

void replaceLoneSurrogates(QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

// One pass over the tokens, building the document through a cursor. Text is gathered into runs
// of one format and inserted a run at a time, which keeps large files fast.
class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument *document, QStringList *lost)
        : m_document(document)
        , m_cursor(document)
        , m_lost(lost) {}

    // The reason on failure.
    std::optional<QString> build(QByteArrayView data);

private:
    void handleWord(const RtfToken &token);
    void handleTextWord(const RtfToken &token);
    bool handleStructureWord(const RtfToken &token);
    void handleSymbol(char symbol);
    void closeDestination();
    void placeContent(int tableLevel);
    void applyAlignment();
    void finishDocument();
    void insertPicture();
    void appendBytes(QByteArrayView bytes);
    void flushBytes();
    QString decodeBytes(QByteArrayView bytes);
    CodePageDecoder &decoderFor(int requested);
    void appendText(const QString &text);
    void appendFontTableText(const QString &text);
    void appendColorTableText(const QString &text);
    void breakParagraph();
    void flushText();
    QTextCharFormat charFormat(const CharState &chars) const;
    void noteLost(const QString &what);

    QTextDocument *m_document;
    QTextCursor m_cursor;
    QStringList *m_lost;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_documentCodePage = 1252;
    // Opening a system converter is costly, and text switches between a few fonts often.
    std::map<int, CodePageDecoder> m_decoders;
    QByteArray m_bytes;
    int m_footnoteMarks = 0;
    int m_fallbackToSkip = 0;

    QString m_text;
    CharState m_textChars;
    bool m_paragraphPending = false;

    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_fontEntry = -1;
    int m_fontCharset = -1;
    QString m_fontName;

    std::vector<std::optional<QColor>> m_colors;
    std::array<int, 3> m_rgb = {0, 0, 0};
    bool m_colorGiven = false;

    // After \*, the destination the group had before: the next word may name one this reader
    // keeps after all.
    std::optional<Destination> m_starredFrom;
    RtfTableBuilder m_tables{&m_cursor};
    Qt::Alignment m_blockAlignment = Qt::AlignLeft; // of the block the cursor is in
    RtfPicture m_picture;
    int m_pictureCount = 0;
    QString m_fieldInstruction;
    QStringList m_links;
};

std::optional<QString> DocumentBuilder::build(QByteArrayView data) {
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
            if (m_state.destination == Destination::FontTable)
                appendFontTableText(QStringLiteral(";")); // an entry closed without its ';'
            if (m_state.destination != m_stack.back().destination)
                closeDestination();
            else
                m_state = m_stack.back();
            m_stack.pop_back();
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

void DocumentBuilder::handleWord(const RtfToken &token) {
    const QByteArrayView word = token.word;
    const int parameter = token.parameter;
    const std::optional<Destination> starredFrom = std::exchange(m_starredFrom, std::nullopt);
    if (starredFrom == Destination::Text &&
        (word == "shppict" || word == "nesttableprops" || word == "fldinst")) {
        // Ignorable destinations that hold what the document keeps.
        m_state.destination = Destination::Text;
    }
    if (m_state.destination == Destination::Skip) {
        // Destinations written with \* are skipped whatever they are; some still hold content.
        if (starredFrom == Destination::Text)
            noteLost(lostContentName(word));
        return;
    }

    if (m_state.destination == Destination::Picture) {
        m_picture.handleWord(word, parameter);
    } else if (m_state.destination == Destination::Text && word == "pict") {
        m_state.destination = Destination::Picture;
        m_picture = RtfPicture();
    } else if (m_state.destination == Destination::Text && word == "fldinst") {
        m_state.destination = Destination::FieldInstruction;
        m_fieldInstruction.clear();
    } else if (m_state.destination == Destination::Text && word == "nesttableprops") {
        m_state.destination = Destination::TableProperties;
    } else if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
    } else if (word == "colortbl") {
        m_state.destination = Destination::ColorTable;
        m_colors.clear();
    } else if (isSkippedDestination(word)) {
        if (m_state.destination == Destination::Text)
            noteLost(lostContentName(word));
        m_state.destination = Destination::Skip;
    } else if (word == "ansicpg") {
        m_documentCodePage = parameter;
    } else if (word == "mac") {
        m_documentCodePage = 10000;
    } else if (word == "pc") {
        m_documentCodePage = 437;
    } else if (word == "pca") {
        m_documentCodePage = 850;
    } else if (word == "deff") {
        m_defaultFont = parameter;
    } else if (word == "uc") {
        m_state.unicodeSkip = std::max(0, parameter);
    } else if (word == "u") {
        // \u takes a signed 16-bit value; negative values stand for the upper half.
        if (parameter >= -0x8000 && parameter < 0)
            appendText(QString(QChar(static_cast<char16_t>(parameter + 0x10000))));
        else if (parameter >= 0 && parameter <= 0xFFFF)
            appendText(QString(QChar(static_cast<char16_t>(parameter))));
        else
            appendText(QString(QChar::ReplacementCharacter));
        m_fallbackToSkip = m_state.unicodeSkip;
    } else if (m_state.destination == Destination::FontTable) {
        if (word == "f") {
            m_fontEntry = parameter;
            m_fontCharset = -1;
            m_fontName.clear();
        } else if (word == "fcharset") {
            m_fontCharset = parameter;
        }
    } else if (m_state.destination == Destination::ColorTable) {
        const int component = std::clamp(parameter, 0, 255);
        if (word == "red")
            m_rgb[0] = component;
        else if (word == "green")
            m_rgb[1] = component;
        else if (word == "blue")
            m_rgb[2] = component;
        else
            return;
        m_colorGiven = true;
    } else {
        handleTextWord(token);
    }
}

void DocumentBuilder::handleTextWord(const RtfToken &token) {
    const QByteArrayView word = token.word;
    const int parameter = token.parameter;
    const bool on = !token.hasParameter || parameter != 0;
    CharState &chars = m_state.chars;

    if (handleStructureWord(token)) {
        return;
    } else if (word == "par" || word == "sect" || word == "page" || word == "row" ||
               word == "nestrow") {
        breakParagraph();
    } else if (const auto character = specialCharacter(word)) {
        appendText(QString(QChar(*character)));
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word.startsWith("ul") && word != "ulc") {
        // \ul and its styled forms (\uldb, \ulw, \ulwave, ...)
        chars.underline = on;
    } else if (word == "fs") {
        chars.halfPoints = token.hasParameter ? std::clamp(parameter, minHalfPoints, maxHalfPoints)
                                              : defaultHalfPoints;
    } else if (word == "f") {
        chars.font = parameter;
    } else if (word == "cf") {
        chars.color = parameter;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "chftn") {
        // The footnote's own text is skipped with its destination; its mark stays, numbered as
        // Word numbers automatic footnotes.
        appendText(QString::number(++m_footnoteMarks));
    } else if (word == "plain") {
        chars = CharState();
    }
}

// Paragraph alignment and tables.
bool DocumentBuilder::handleStructureWord(const RtfToken &token) {
    const QByteArrayView word = token.word;
    ParagraphState &paragraph = m_state.paragraph;
    // Row definitions inside \nesttableprops belong to the nested table they end.
    const int definitionLevel = m_state.destination == Destination::TableProperties
                                    ? std::max(2, paragraph.tableLevel())
                                    : 1;
    const bool inText = m_state.destination == Destination::Text;
    const bool tableMark =
        word == "cell" || word == "row" || word == "nestcell" || word == "nestrow";
    // Table marks outside any table: read as the tab and paragraph end they look like.
    if (tableMark && inText && paragraph.tableLevel() == 0 && m_tables.openTables() == 0)
        return false;

    if (word == "pard") {
        paragraph = ParagraphState();
    } else if (word == "ql") {
        paragraph.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        paragraph.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        paragraph.alignment = Qt::AlignRight;
    } else if (word == "qj" || word == "qd") {
        paragraph.alignment = Qt::AlignJustify;
    } else if (word == "intbl") {
        paragraph.inTable = !token.hasParameter || token.parameter != 0;
    } else if (word == "itap") {
        paragraph.nesting = std::max(0, token.parameter);
    } else if (word == "trowd") {
        m_tables.startRowDefinition(definitionLevel);
    } else if (word == "cellx") {
        m_tables.addCellEdge(definitionLevel, token.parameter);
    } else if (word == "cell" || word == "nestcell") {
        if (inText) {
            // The cell's last paragraph ends here, in the cell, even when it is empty: after
            // "a\par" the cell holds "a" and an empty paragraph.
            placeContent(word == "cell" ? 1 : std::max(2, paragraph.tableLevel()));
            if (std::exchange(m_paragraphPending, false))
                m_text += u'\n';
            applyAlignment();
            flushText();
            m_tables.endCell(word == "cell" ? 1 : std::max(2, paragraph.tableLevel()));
            m_paragraphPending = false;
            m_blockAlignment = m_cursor.blockFormat().alignment();
        }
    } else if (word == "row" || word == "nestrow") {
        // Writers reset the paragraph format before the row end: it is no paragraph's.
        if (inText || m_state.destination == Destination::TableProperties) {
            flushText();
            m_tables.endRow(word == "row" ? 1 : std::max(2, paragraph.tableLevel()));
            m_paragraphPending = false;
            m_blockAlignment = m_cursor.blockFormat().alignment();
        }
    } else {
        return false;
    }
    return true;
}

// Ends a destination group, whose content the reader gathered, back in the group around it.
void DocumentBuilder::closeDestination() {
    const Destination inner = m_state.destination;
    m_state = m_stack.back();
    if (inner == Destination::Picture) {
        insertPicture();
    } else if (inner == Destination::FieldInstruction) {
        // The field's result, in the rest of the field group, shows the link. Control
        // characters are no part of an address and could not be written back.
        QString target = hyperlinkTarget(m_fieldInstruction);
        target.removeIf([](QChar c) { return isUnwantedCharacter(c.unicode()); });
        if (!target.isEmpty()) {
            m_links.append(target);
            m_state.chars.link = static_cast<int>(m_links.size()) - 1;
        }
    }
}

// Opens, closes and enters tables so that content goes where the paragraph's table level says.
void DocumentBuilder::placeContent(int tableLevel) {
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
void DocumentBuilder::applyAlignment() {
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
void DocumentBuilder::finishDocument() {
    applyAlignment();
    flushText();
    m_tables.placeFor(0);
}

void DocumentBuilder::insertPicture() {
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

void DocumentBuilder::handleSymbol(char symbol) {
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

void DocumentBuilder::appendBytes(QByteArrayView bytes) {
    if (m_state.destination == Destination::Picture)
        m_picture.appendHex(bytes);
    else if (m_state.destination != Destination::Skip)
        m_bytes.append(bytes);
}

void DocumentBuilder::flushBytes() {
    if (m_bytes.isEmpty())
        return;
    const QString text = decodeBytes(m_bytes);
    m_bytes.clear();
    appendText(text);
}

QString DocumentBuilder::decodeBytes(QByteArrayView bytes) {
    // A font table entry's name is in the entry's own character set.
    FontEntry font;
    if (m_state.destination == Destination::FontTable) {
        font.codePage = codePageOfCharset(m_fontCharset);
    } else if (const auto found =
                   m_fonts.find(m_state.chars.font < 0 ? m_defaultFont : m_state.chars.font);
               found != m_fonts.end()) {
        font = found->second;
    }
    if (font.symbols != SymbolFont::None)
        return decodeSymbolFont(font.symbols, bytes);
    return decoderFor(font.codePage != 0 ? font.codePage : m_documentCodePage).decode(bytes);
}

CodePageDecoder &DocumentBuilder::decoderFor(int requested) {
    // Keyed by what the decoder can use, so that a file naming many unknown code pages opens one.
    const int codePage = knownCodePageOr1252(requested);
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end())
        found = m_decoders.emplace(codePage, CodePageDecoder(codePage)).first;
    return found->second;
}

void DocumentBuilder::appendText(const QString &text) {
    switch (m_state.destination) {
    case Destination::Text:
        break;
    case Destination::FontTable:
        appendFontTableText(text);
        return;
    case Destination::ColorTable:
        appendColorTableText(text);
        return;
    case Destination::FieldInstruction:
        m_fieldInstruction += text;
        return;
    case Destination::Skip:
    case Destination::Picture:
    case Destination::TableProperties:
        return;
    }

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

void DocumentBuilder::appendFontTableText(const QString &text) {
    for (const QChar c : text) {
        if (c != u';') {
            if (!isUnwantedCharacter(c.unicode()))
                m_fontName += c;
            continue;
        }
        if (m_fontEntry >= 0 && !m_fontName.trimmed().isEmpty()) {
            const QString name = m_fontName.trimmed();
            m_fonts[m_fontEntry] = {name, codePageOfCharset(m_fontCharset),
                                    symbolFontOf(name, m_fontCharset)};
        }
        m_fontEntry = -1;
        m_fontName.clear();
    }
}

void DocumentBuilder::appendColorTableText(const QString &text) {
    for (const QChar c : text) {
        if (c != u';')
            continue;
        if (m_colorGiven)
            m_colors.emplace_back(QColor(m_rgb[0], m_rgb[1], m_rgb[2]));
        else
            m_colors.emplace_back(std::nullopt); // the "auto" colour
        m_rgb = {0, 0, 0};
        m_colorGiven = false;
    }
}

void DocumentBuilder::breakParagraph() {
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

void DocumentBuilder::flushText() {
    if (m_text.isEmpty())
        return;
    replaceLoneSurrogates(m_text);
    m_cursor.insertText(m_text, charFormat(m_textChars));
    m_text.clear();
}

void DocumentBuilder::noteLost(const QString &what) {
    if (!what.isEmpty() && !m_lost->contains(what))
        m_lost->append(what);
}

QTextCharFormat DocumentBuilder::charFormat(const CharState &chars) const {
    QTextCharFormat format;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontPointSize(chars.halfPoints / 2.0);
    const auto font = m_fonts.find(chars.font < 0 ? m_defaultFont : chars.font);
    // Text read from Symbol or Wingdings is Unicode now, which an ordinary font shows; in the
    // symbol font itself it would show other signs, and written back under that font's name it
    // would read back as other characters.
    if (font != m_fonts.end() && !font->second.name.isEmpty() &&
        font->second.symbols != SymbolFont::Symbol && font->second.symbols != SymbolFont::Wingdings)
        format.setFontFamilies({font->second.name});
    if (chars.color >= 0 && static_cast<size_t>(chars.color) < m_colors.size() &&
        m_colors[static_cast<size_t>(chars.color)])
        format.setForeground(*m_colors[static_cast<size_t>(chars.color)]);
    if (chars.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_links[chars.link]);
    }
    return format;
}

} // namespace

bool RtfReader::read(QByteArrayView data, QTextDocument *document) {
    m_error.clear();
    m_lost.clear();
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<unsigned char>(data[start])))
        ++start;

    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    const auto error = DocumentBuilder(document, &m_lost).build(data.sliced(start));
    document->setUndoRedoEnabled(undo);
    if (error)
        m_error = *error;
    return !error;
}

} // namespace quillon
