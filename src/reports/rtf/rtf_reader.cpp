#include "rtf_reader.h"

#include "code_page_decoder.h"
#include "rtf_tokenizer.h"
#include "symbol_font.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

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
    "annotation", "atnauthor",    "atndate",    "atnid",   "author",    "bkmkend",
    "bkmkstart",  "buptim",       "comment",    "creatim", "datastore", "doccomm",
    "falt",       "fldinst",      "filetbl",    "footer",  "footerf",   "footerl",
    "footerr",    "footnote",     "ftncn",      "ftnsep",  "ftnsepc",   "header",
    "headerf",    "headerl",      "headerr",    "info",    "keywords",  "listoverridetable",
    "listtable",  "nonesttables", "nonshppict", "object",  "operator",  "pict",
    "printim",    "private",      "revtbl",     "revtim",  "rsidtbl",   "shp",
    "shpinst",    "stylesheet",   "subject",    "tc",      "tcn",       "template",
    "themedata",  "title",        "txe",        "xe",      "xmlnstbl",
});

// Skipped destinations that hold content a user sees in other editors, and how to name it when
// it would be lost.
QString lostContentName(QByteArrayView word) {
    if (word == "object")
        return QStringLiteral("an embedded object");
    if (word == "pict")
        return QStringLiteral("a picture");
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

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int color = 0;
    bool hidden = false; // \v: kept out of the document

    bool operator==(const CharState &) const = default;
};

// A font table entry: its name, and how its bytes are read.
struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
    SymbolFont symbols = SymbolFont::None;
};

struct GroupState {
    CharState chars;
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
        : m_cursor(document)
        , m_lost(lost) {}

    // The reason on failure.
    std::optional<QString> build(QByteArrayView data);

private:
    void handleWord(const RtfToken &token);
    void handleTextWord(const RtfToken &token);
    void handleSymbol(char symbol);
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

    QTextCursor m_cursor;
    QStringList *m_lost;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_documentCodePage = 1252;
    // Opening a system converter is costly, and text switches between a few fonts often.
    std::map<int, CodePageDecoder> m_decoders;
    QByteArray m_bytes;
    bool m_starredInText = false; // a \* met where text was being read
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
            if (m_stack.size() + 1 >= static_cast<size_t>(RtfReader::maxGroupDepth))
                return QStringLiteral("Groups are nested deeper than %1 levels")
                    .arg(RtfReader::maxGroupDepth);
            m_stack.push_back(m_state);
            break;
        case RtfToken::Type::GroupClose:
            flushBytes();
            m_fallbackToSkip = 0;
            if (m_stack.empty()) {
                flushText();
                return std::nullopt;
            }
            if (m_state.destination == Destination::FontTable)
                appendFontTableText(QStringLiteral(";")); // an entry closed without its ';'
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
        case RtfToken::Type::End:
            break;
        }
    }
    if (tokenizer.hasError())
        return tokenizer.errorString();
    flushBytes();
    flushText();
    return std::nullopt;
}

void DocumentBuilder::handleWord(const RtfToken &token) {
    const QByteArrayView word = token.word;
    const int parameter = token.parameter;
    const bool starredInText = std::exchange(m_starredInText, false);
    if (m_state.destination == Destination::Skip) {
        // Destinations written with \* are skipped whatever they are; some still hold content.
        // Word wraps its pictures in \*\shppict (with a \nonshppict copy for older readers), so
        // the picture inside is met as an ordinary one.
        if (starredInText && word == "shppict")
            m_state.destination = Destination::Text;
        else if (starredInText)
            noteLost(lostContentName(word));
        return;
    }

    if (word == "fonttbl") {
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

    if (word == "par" || word == "sect" || word == "page" || word == "row" || word == "nestrow") {
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
    // Paragraph properties (\pard and the rest) are not kept: the document carries text and
    // character formatting only.
}

void DocumentBuilder::handleSymbol(char symbol) {
    if (m_state.destination == Destination::Skip)
        return;
    switch (symbol) {
    case '*':
        m_starredInText = m_state.destination == Destination::Text;
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
    if (m_state.destination != Destination::Skip)
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
    case Destination::Skip:
        return;
    }

    if (text.isEmpty())
        return;
    if (m_state.chars.hidden) {
        noteLost(QStringLiteral("hidden text"));
        return;
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
    // The paragraph mark only ends the current paragraph; the next one starts with its first
    // content, so the mark after the last paragraph adds no empty paragraph.
    if (m_paragraphPending)
        m_text += u'\n';
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
