#include "rtf_writer.h"

#include "paragraph_spacing.h"
#include "portable_group.h"
#include "rtf_cell_look.h"
#include "rtf_document_properties.h"
#include "rtf_list.h"
#include "rtf_picture.h"
#include "rtf_units.h"
#include "safe_file.h"

#include <QBuffer>
#include <QColor>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIODevice>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace quillon {

namespace {

constexpr int defaultHalfPoints = 24;
// Cell widths for tables that give none: a Letter page's text width shared evenly.
constexpr int defaultTableTwips = 9360;
// Hex digits of picture data per line.
constexpr int hexLineLength = 128;
// The indent of a list paragraph per level, and the hanging part where its label stands.
constexpr int listIndentTwips = 360;

// The destinations a frame marked with headerFooterProperty may name; anything else is written
// as an ordinary frame.
constexpr auto headerFooterKinds = std::to_array<std::string_view>(
    {"header", "headerf", "headerl", "headerr", "footer", "footerf", "footerl", "footerr"});

QByteArray headerFooterKind(const QTextFrame *frame) {
    QByteArray kind = frame->frameFormat().property(headerFooterProperty).toByteArray();
    const std::string_view name(kind.constData(), size_t(kind.size()));
    if (std::find(headerFooterKinds.begin(), headerFooterKinds.end(), name) ==
        headerFooterKinds.end())
        return {};
    return kind;
}

// A length for \cellx or \picwgoal: at least 1, at most maxLengthTwips (NaN gives 1).
int twipsInRange(double twips) {
    if (!(twips >= 1))
        return 1;
    return static_cast<int>(std::lround(std::min(twips, double(maxLengthTwips))));
}

// The character formatting that RTF carries, as font and colour table indexes. Colour 0 is the
// "auto" colour.
struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = 0;
    int color = 0;
    int vertical = 0; // 1 superscript, -1 subscript
};

// What a paragraph's \pard words set: its alignment, its table nesting level, and the list
// (1-based \ls number, 0 for none) and list level it belongs to.
struct ParagraphFormat {
    Qt::Alignment alignment = Qt::AlignLeft;
    int level = 0;
    int list = 0;
    int listLevel = 0;
    ParagraphSpacing spacing = {};

    bool operator==(const ParagraphFormat &) const = default;
};

class RtfOutput {
public:
    explicit RtfOutput(const QTextDocument &document);

    QByteArray result() const;

private:
    void writeHeadersAndFooters(const QTextFrame *root);
    void writeFrame(const QTextFrame *frame, int level);
    void writeTable(const QTextTable *table, int level);
    void writeRowDefinition(const QTextTable *table, int row, int level);
    void writeCell(const QTextTableCell &cell, int level);
    void writeBlock(const QTextBlock &block, int level, const char *end);
    void writeParagraphFormat(const ParagraphFormat &format);
    ParagraphFormat paragraphFormat(const QTextBlock &block, int level);
    void writeListLabel(const QTextBlock &block);
    void switchLink(const QString &target);
    void writePicture(const QTextImageFormat &format);
    void writeKeptGroup(const QByteArray &group, const QVariantMap &fonts);
    void switchTo(const RunFormat &format);
    void writeText(const QString &text);
    void word(const char *name, int parameter);
    void word(const char *name);
    void literal(char c);
    RunFormat runFormat(const QTextCharFormat &format);
    int fontIndex(const QFont &font);
    int colorIndex(const QColor &color);

    const QTextDocument &m_document;
    QFont m_defaultFont;
    // The font table's entries: a face and its family's control word.
    QList<std::pair<QString, const char *>> m_fonts;
    QList<QColor> m_colors;
    // The lists met, by the number the document gives them; the \ls of each is its place + 1.
    std::map<int, int> m_listNumbers;
    std::vector<RtfListDefinition> m_lists;
    QByteArray m_pageLayout;
    QByteArray m_body;
    RunFormat m_current;
    bool m_needsDelimiter = false;
    // Empty after a cell or row end, so that the next paragraph states its format again.
    std::optional<ParagraphFormat> m_paragraph = ParagraphFormat();
    QString m_link;
    RunFormat m_formatBeforeLink;
};

// Font names as readers give them back: without control characters or surrounding blanks.
QString cleanFontName(const QString &family) {
    QString name;
    for (const QChar c : family) {
        if (c.unicode() >= 0x20 && c != u';') // ';' ends an entry and cannot be escaped
            name += c;
    }
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Arial") : name; // the common default of Windows editors
}

// The face text in `font` is drawn in on this system: the first of its families found here (Arial
// on Windows for the program's own face, which Linux draws in Liberation Sans). A face this system
// lacks altogether keeps its own name, for the reader's system to find; so does every face where
// nothing is drawn (no font database without a GUI application).
QString drawnFamily(const QFont &font) {
    const QStringList families =
        font.families().isEmpty() ? QStringList{font.family()} : font.families();
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        const QString drawn = QFontInfo(font).family();
        for (const QString &family : families) {
            if (family.compare(drawn, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return families.first();
}

// The font family a reader falls back on when it lacks the face itself.
const char *familyWord(QFont::StyleHint hint) {
    switch (hint) {
    case QFont::SansSerif:
        return "\\fswiss";
    case QFont::Serif:
        return "\\froman";
    case QFont::TypeWriter:
    case QFont::Monospace:
        return "\\fmodern";
    case QFont::Cursive:
        return "\\fscript";
    case QFont::Decorative:
    case QFont::Fantasy:
        return "\\fdecor";
    default:
        return "\\fnil";
    }
}

QByteArray fontTableName(const QString &name) {
    QByteArray rtf;
    for (const QChar c : name) {
        if (c == u'\\' || c == u'{' || c == u'}')
            rtf += '\\';
        if (c.unicode() < 0x80)
            rtf += static_cast<char>(c.unicode());
        else
            rtf += "\\u" + QByteArray::number(static_cast<qint16>(c.unicode())) + '?';
    }
    return rtf;
}

RtfOutput::RtfOutput(const QTextDocument &document)
    : m_document(document)
    , m_defaultFont(document.defaultFont()) {
    fontIndex(m_defaultFont); // font 0, the \deff font
    writeHeadersAndFooters(document.rootFrame());
    writeFrame(document.rootFrame(), 0);
}

// One list level as \listtable wants it: the label text counted in characters, its level
// numbers as \'00 to \'08 and their places in \levelnumbers.
QByteArray listLevelRtf(const RtfListLevel &level, int depth) {
    const QString text = level.text.left(255);
    QByteArray rtf = "{\\listlevel\\levelnfc" + QByteArray::number(level.format) + "\\levelnfcn" +
                     QByteArray::number(level.format) +
                     "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat" +
                     QByteArray::number(level.start) + "{\\leveltext\\'" +
                     QByteArray::number(text.size(), 16).rightJustified(2, '0');
    QByteArray numbers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < RtfListDefinition::levelCount) {
            rtf += "\\'0" + QByteArray::number(c);
            numbers += "\\'" + QByteArray::number(i + 1, 16).rightJustified(2, '0');
        } else if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}' && c != u';') {
            rtf += char(c);
        } else if (c < 0x80) {
            rtf += "\\'" + QByteArray::number(c, 16).rightJustified(2, '0');
        } else {
            rtf += "\\u" + QByteArray::number(static_cast<qint16>(c)) + '?';
        }
    }
    rtf += ";}{\\levelnumbers" + numbers + ";}\\fi-" + QByteArray::number(listIndentTwips) +
           "\\li" + QByteArray::number(listIndentTwips * (depth + 2)) + '}';
    return rtf;
}

QByteArray RtfOutput::result() const {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i)
        rtf += "{\\f" + QByteArray::number(i) + m_fonts[i].second + "\\fcharset0 " +
               fontTableName(m_fonts[i].first) + ";}";
    rtf += "}\r\n{\\colortbl ;";
    for (const QColor &color : m_colors) {
        rtf += "\\red" + QByteArray::number(color.red()) + "\\green" +
               QByteArray::number(color.green()) + "\\blue" + QByteArray::number(color.blue()) +
               ';';
    }
    rtf += "}\r\n";
    if (!m_lists.empty()) {
        rtf += "{\\*\\listtable";
        for (size_t list = 0; list < m_lists.size(); ++list) {
            rtf += "\r\n{\\list\\listtemplateid" + QByteArray::number(list + 1);
            for (int level = 0; level < RtfListDefinition::levelCount; ++level)
                rtf += listLevelRtf(m_lists[list].levels[size_t(level)], level);
            rtf += "\\listid" + QByteArray::number(list + 1) + '}';
        }
        rtf += "}\r\n{\\*\\listoverridetable";
        for (size_t list = 0; list < m_lists.size(); ++list) {
            rtf += "{\\listoverride\\listid" + QByteArray::number(list + 1) +
                   "\\listoverridecount0\\ls" + QByteArray::number(list + 1) + '}';
        }
        rtf += "}\r\n";
    }
    rtf += m_pageLayout;
    // Without a generator LibreOffice takes the file for one of the old writers that padded with
    // blanks, and turns runs of blanks into narrower spaces.
    rtf += "{\\*\\generator Quillon;}\\viewkind4\\pard\\plain\r\n" + m_body + "}\r\n";
    return rtf;
}

// Headers and footers belong to the section, so they come before the body wherever the document
// holds them. A first-page one only shows with \titlepg, left and right ones with \facingp: both
// are written as the document was read, since either wakes headers of the file that its own
// program did not show.
void RtfOutput::writeHeadersAndFooters(const QTextFrame *root) {
    const QTextFrameFormat pages = root->frameFormat();
    if (const QByteArray layout = pages.property(pageLayoutProperty).toByteArray();
        !layout.isEmpty())
        m_pageLayout = layout + "\r\n";
    if (pages.boolProperty(facingPagesProperty))
        word("facingp");
    if (pages.boolProperty(titlePageProperty))
        word("titlepg");
    for (const QTextFrame *frame : root->childFrames()) {
        if (headerFooterKind(frame).isEmpty())
            continue;
        // The group ends what its paragraphs and characters set.
        const RunFormat before = m_current;
        m_body += "{\\" + headerFooterKind(frame);
        m_needsDelimiter = true;
        m_paragraph.reset();
        writeFrame(frame, 0);
        m_body += "}\r\n";
        m_needsDelimiter = false;
        m_current = before;
        m_paragraph.reset();
    }
    writeKeptGroup(pages.property(unshownHeadersProperty).toByteArray(),
                   pages.property(keptFontsProperty).toMap());
}

// Qt keeps a block before every frame; an empty one before a header or footer holds nothing of
// the body.
bool isBlockBeforeHeaderFooter(QTextFrame::iterator it) {
    if (it.currentBlock().length() > 1)
        return false;
    ++it;
    return !it.atEnd() && it.currentFrame() && !headerFooterKind(it.currentFrame()).isEmpty();
}

void RtfOutput::writeFrame(const QTextFrame *frame, int level) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame()))
            writeTable(table, level + 1);
        else if (it.currentFrame() && !headerFooterKind(it.currentFrame()).isEmpty())
            continue; // written before the body
        else if (it.currentFrame())
            writeFrame(it.currentFrame(), level);
        else if (!isBlockBeforeHeaderFooter(it))
            writeBlock(it.currentBlock(), level, "par");
    }
}

// Top-level rows give their definition before their cells, nested rows after them in
// \nesttableprops, followed by an empty paragraph for readers that know no nesting.
void RtfOutput::writeTable(const QTextTable *table, int level) {
    for (int row = 0; row < table->rows(); ++row) {
        if (level == 1)
            writeRowDefinition(table, row, level);
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() == row && cell.column() == column) {
                writeCell(cell, level);
            } else {
                // A cell covered by a span: an empty one keeps the grid.
                writeParagraphFormat({Qt::AlignLeft, level});
                word(level == 1 ? "cell" : "nestcell");
            }
            m_paragraph.reset();
        }
        if (level == 1) {
            word("row");
        } else {
            m_body += "{\\*\\nesttableprops";
            writeRowDefinition(table, row, level);
            word("nestrow");
            m_body += "}{\\nonesttables\\par}";
        }
        m_body += "\r\n";
        m_needsDelimiter = false;
    }
}

void RtfOutput::writeRowDefinition(const QTextTable *table, int row, int level) {
    word("trowd");
    if (level > 1)
        word("itap", level);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    const int columns = table->columns();
    int edge = 0;
    for (int column = 0; column < columns; ++column) {
        const QTextLength width = widths.value(column);
        double twips = defaultTableTwips / double(columns);
        if (width.type() == QTextLength::FixedLength)
            twips = width.rawValue() * twipsPerDocumentUnit;
        else if (width.type() == QTextLength::PercentageLength)
            twips = defaultTableTwips * width.rawValue() / 100;
        edge += twipsInRange(twips);
        const QTextTableCell cell = table->cellAt(row, column);
        // A merged cell: the first grid cell begins it, the others continue it.
        if (cell.row() < row)
            word("clvmrg");
        else if (cell.rowSpan() > 1)
            word("clvmgf");
        if (cell.column() < column)
            word("clmrg");
        else if (cell.columnSpan() > 1)
            word("clmgf");
        const QByteArray look =
            cellLookRtf(cell.format().toTableCellFormat(), table->format(),
                        [this](const QColor &colour) { return colorIndex(colour); });
        if (!look.isEmpty()) {
            m_body += look;
            m_needsDelimiter = true;
        }
        word("cellx", edge);
    }
}

// The cell's paragraphs and nested tables; its last paragraph ends with the cell's end mark
// instead of \par. Qt keeps a block after every table, so the last item is a block.
void RtfOutput::writeCell(const QTextTableCell &cell, int level) {
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            writeTable(table, level + 1);
        } else if (it.currentFrame()) {
            writeFrame(it.currentFrame(), level);
        } else {
            auto next = it;
            ++next;
            const char *end = "par";
            if (next.atEnd())
                end = level == 1 ? "cell" : "nestcell";
            writeBlock(it.currentBlock(), level, end);
        }
    }
}

void RtfOutput::writeBlock(const QTextBlock &block, int level, const char *end) {
    const ParagraphFormat paragraph = paragraphFormat(block, level);
    writeParagraphFormat(paragraph);
    if (paragraph.list > 0)
        writeListLabel(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        if (paragraph.list > 0 && format.boolProperty(listLabelProperty))
            continue; // written as \listtext
        switchLink(format.isAnchor() ? format.anchorHref() : QString());
        RunFormat run = runFormat(format);
        if (format.hasProperty(footnoteMarkProperty))
            run.vertical = m_current.vertical; // the mark's group raises it
        switchTo(run);
        if (format.isImageFormat()) {
            writePicture(format.toImageFormat());
        } else if (format.hasProperty(footnoteMarkProperty)) {
            m_body += "{\\super\\chftn}";
            m_needsDelimiter = false;
        } else {
            writeText(fragment.text());
        }
    }
    switchLink(QString());
    word(end);
    m_body += "\r\n";
    m_needsDelimiter = false;
}

ParagraphFormat RtfOutput::paragraphFormat(const QTextBlock &block, int level) {
    const QTextBlockFormat format = block.blockFormat();
    ParagraphFormat paragraph{format.alignment() & Qt::AlignHorizontal_Mask, level};
    paragraph.spacing = ParagraphSpacing::of(format);
    if (!format.hasProperty(listLevelProperty))
        return paragraph;
    const int number = format.intProperty(listNumberProperty);
    auto found = m_listNumbers.find(number);
    if (found == m_listNumbers.end()) {
        m_lists.push_back(RtfListDefinition::fromVariant(format.property(listDefinitionProperty)));
        found = m_listNumbers.emplace(number, int(m_lists.size())).first;
    }
    paragraph.list = found->second;
    paragraph.listLevel =
        std::clamp(format.intProperty(listLevelProperty), 0, RtfListDefinition::levelCount - 1);
    return paragraph;
}

// The label as the paragraph shows it, for readers that know no list table.
void RtfOutput::writeListLabel(const QTextBlock &block) {
    QString label;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().boolProperty(listLabelProperty))
            label += it.fragment().text();
    }
    if (label.isEmpty())
        return;
    m_body += "{\\listtext";
    m_needsDelimiter = true;
    writeText(label);
    m_body += '}';
    m_needsDelimiter = false;
}

void RtfOutput::writeParagraphFormat(const ParagraphFormat &format) {
    if (m_paragraph == format)
        return;
    m_paragraph = format;
    word("pard");
    if (format.level > 0)
        word("intbl");
    if (format.level > 1)
        word("itap", format.level);
    if (format.list > 0) {
        word("ls", format.list);
        word("ilvl", format.listLevel);
    }
    if (format.alignment & Qt::AlignHCenter)
        word("qc");
    else if (format.alignment & (Qt::AlignRight | Qt::AlignTrailing))
        word("qr");
    else if (format.alignment & Qt::AlignJustify)
        word("qj");
    if (const QByteArray spacing = format.spacing.rtf(); !spacing.isEmpty()) {
        m_body += spacing;
        m_needsDelimiter = true;
    }
}

// A link is a HYPERLINK field; formatting inside the field's result group ends with it.
void RtfOutput::switchLink(const QString &target) {
    if (target == m_link)
        return;
    if (!m_link.isEmpty()) {
        m_body += "}}";
        m_current = m_formatBeforeLink;
        m_needsDelimiter = false;
    }
    m_link = target;
    if (target.isEmpty())
        return;
    m_formatBeforeLink = m_current;
    m_body += "{\\field{\\*\\fldinst HYPERLINK \"";
    QString quoted = target;
    quoted.replace(u'\\', QStringLiteral("\\\\")); // field codes double backslashes
    quoted.replace(u'"', QStringLiteral("%22"));
    m_needsDelimiter = false;
    writeText(quoted);
    m_body += "\"}{\\fldrslt ";
    m_needsDelimiter = false;
}

// A picture is a control word of letters and a parameter ("wmetafile8").
bool isPictureType(const QByteArray &type) {
    const qsizetype letters =
        std::find_if(type.begin(), type.end(), [](char c) { return c < 'a' || c > 'z'; }) -
        type.begin();
    return letters > 0 && letters <= 16 &&
           std::all_of(type.begin() + letters, type.end(),
                       [](char c) { return c >= '0' && c <= '9'; }) &&
           type.size() - letters <= 6;
}

// Pictures read from a file go back as they came, in whatever format; others are written as
// PNG. Groups kept whole (objects, shapes) go back as they were read.
void RtfOutput::writePicture(const QTextImageFormat &format) {
    const QByteArray kept = format.property(keptGroupProperty).toByteArray();
    if (kept.startsWith('{') && kept.endsWith('}')) {
        writeKeptGroup(kept, format.property(keptFontsProperty).toMap());
        return;
    }
    QByteArray data = format.property(pictureDataProperty).toByteArray();
    QByteArray type = format.property(pictureTypeProperty).toByteArray();
    const bool placeholder = format.hasProperty(placeholderKindProperty);
    QImage image;
    if (!placeholder) {
        const QVariant resource =
            m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        image = resource.value<QImage>();
        if (image.isNull())
            image = resource.value<QPixmap>().toImage();
    }
    if (data.isEmpty() || !isPictureType(type)) {
        if (image.isNull())
            return;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        type = "png";
    }
    const QSizeF shown(format.width() > 0 ? format.width() : image.width(),
                       format.height() > 0 ? format.height() : image.height());
    m_body += "{\\pict";
    word(type == "png" ? "pngblip" : type == "jpeg" ? "jpegblip" : type.constData());
    const QSize given = format.property(pictureSizeProperty).toSize();
    if (given.width() > 0 && given.height() > 0) {
        word("picw", given.width());
        word("pich", given.height());
    } else if (!image.isNull()) {
        word("picw", image.width());
        word("pich", image.height());
    }
    word("picwgoal", twipsInRange(shown.width() * twipsPerDocumentUnit));
    word("pichgoal", twipsInRange(shown.height() * twipsPerDocumentUnit));
    const QByteArray hex = data.toHex();
    for (qsizetype start = 0; start < hex.size(); start += hexLineLength) {
        m_body += "\r\n";
        m_body += QByteArrayView(hex).sliced(
            start, std::min<qsizetype>(hexLineLength, hex.size() - start));
    }
    m_body += '}';
    m_needsDelimiter = false;
}

// A group kept whole goes back as it came, its fonts numbered as the written table numbers them;
// a font its file's table lacked is the default one, as body text in such a font is.
void RtfOutput::writeKeptGroup(const QByteArray &group, const QVariantMap &fonts) {
    if (group.isEmpty())
        return;
    m_body += fonts.isEmpty() ? group : renumberedFonts(group, fonts, [this](const QString &name) {
        return name.isEmpty() ? 0 : fontIndex(name);
    });
    m_needsDelimiter = false;
}

void RtfOutput::switchTo(const RunFormat &format) {
    if (format.bold != m_current.bold)
        format.bold ? word("b") : word("b", 0);
    if (format.italic != m_current.italic)
        format.italic ? word("i") : word("i", 0);
    if (format.underline != m_current.underline)
        format.underline ? word("ul") : word("ulnone");
    if (format.halfPoints != m_current.halfPoints)
        word("fs", format.halfPoints);
    if (format.font != m_current.font)
        word("f", format.font);
    if (format.color != m_current.color)
        word("cf", format.color);
    if (format.vertical != m_current.vertical)
        word(format.vertical > 0 ? "super" : format.vertical < 0 ? "sub" : "nosupersub");
    m_current = format;
}

void RtfOutput::writeText(const QString &text) {
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            m_body += '\\';
            m_body += static_cast<char>(unit);
            m_needsDelimiter = false;
        } else if (unit == u'\t') {
            word("tab");
        } else if (unit == QChar::LineSeparator) {
            word("line");
        } else if (unit == QChar::Nbsp) {
            m_body += "\\~";
            m_needsDelimiter = false;
        } else if (unit >= 0x20 && unit < 0x7F) {
            literal(static_cast<char>(unit));
        } else if (unit >= 0x7F && unit != QChar::ObjectReplacementCharacter &&
                   unit != QChar::ParagraphSeparator && !(unit >= 0xFDD0 && unit <= 0xFDEF)) {
            m_body += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
            m_needsDelimiter = false;
        }
        // Control characters, images and Qt's frame markers have no text to write.
    }
}

void RtfOutput::word(const char *name, int parameter) {
    m_body += '\\';
    m_body += name;
    m_body += QByteArray::number(parameter);
    m_needsDelimiter = true;
}

void RtfOutput::word(const char *name) {
    m_body += '\\';
    m_body += name;
    m_needsDelimiter = true;
}

void RtfOutput::literal(char c) {
    // The space that ends a control word is eaten by every reader; written only where text
    // follows, so that the blanks of the text itself all survive.
    if (m_needsDelimiter)
        m_body += ' ';
    m_body += c;
    m_needsDelimiter = false;
}

RunFormat RtfOutput::runFormat(const QTextCharFormat &format) {
    const QFont font = format.font().resolve(m_defaultFont);
    RunFormat run;
    run.bold = font.weight() >= QFont::DemiBold;
    run.italic = font.italic();
    run.underline = font.underline();
    if (font.pointSizeF() > 0)
        run.halfPoints = static_cast<int>(std::lround(font.pointSizeF() * 2));
    else if (font.pixelSize() > 0)
        run.halfPoints = static_cast<int>(std::lround(font.pixelSize() * 1.5)); // 96 dpi
    run.font = fontIndex(font);
    if (format.foreground().style() != Qt::NoBrush)
        run.color = colorIndex(format.foreground().color());
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        run.vertical = 1;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        run.vertical = -1;
    return run;
}

int RtfOutput::fontIndex(const QFont &font) {
    const QString name = cleanFontName(drawnFamily(font));
    const auto found = std::find_if(m_fonts.cbegin(), m_fonts.cend(),
                                    [&name](const auto &entry) { return entry.first == name; });
    if (found != m_fonts.cend())
        return static_cast<int>(found - m_fonts.cbegin());
    m_fonts.append({name, familyWord(font.styleHint())});
    return static_cast<int>(m_fonts.size() - 1);
}

int RtfOutput::colorIndex(const QColor &color) {
    const QColor rgb = color.toRgb();
    qsizetype index = m_colors.indexOf(rgb);
    if (index < 0) {
        index = m_colors.size();
        m_colors.append(rgb);
    }
    return static_cast<int>(index) + 1;
}

} // namespace

QByteArray RtfWriter::toRtf(const QTextDocument &document) {
    return RtfOutput(document).result();
}

bool RtfWriter::write(const QTextDocument &document, QIODevice *device) {
    const std::optional<QString> failed = writeWhole(*device, toRtf(document));
    m_error = failed.value_or(QString());
    return !failed;
}

} // namespace quillon
