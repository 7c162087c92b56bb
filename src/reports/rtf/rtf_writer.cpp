#include "rtf_writer.h"

#include <QColor>
#include <QIODevice>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace quillon {

namespace {

constexpr int defaultHalfPoints = 24;

// The character formatting that RTF carries, as font and colour table indexes. Colour 0 is the
// "auto" colour.
struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = 0;
    int color = 0;
};

class RtfOutput {
public:
    explicit RtfOutput(const QTextDocument &document);

    QByteArray result() const;

private:
    void writeBlock(const QTextBlock &block);
    void switchTo(const RunFormat &format);
    void writeText(const QString &text);
    void word(const char *name, int parameter);
    void word(const char *name);
    void literal(char c);
    RunFormat runFormat(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);

    QFont m_defaultFont;
    QStringList m_fonts;
    QList<QColor> m_colors;
    QByteArray m_body;
    RunFormat m_current;
    bool m_needsDelimiter = false;
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
    : m_defaultFont(document.defaultFont()) {
    fontIndex(m_defaultFont.family()); // font 0, the \deff font
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
}

QByteArray RtfOutput::result() const {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i)
        rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + fontTableName(m_fonts[i]) +
               ";}";
    rtf += "}\r\n{\\colortbl ;";
    for (const QColor &color : m_colors) {
        rtf += "\\red" + QByteArray::number(color.red()) + "\\green" +
               QByteArray::number(color.green()) + "\\blue" + QByteArray::number(color.blue()) +
               ';';
    }
    // Without a generator LibreOffice takes the file for one of the old writers that padded with
    // blanks, and turns runs of blanks into narrower spaces.
    rtf += "}\r\n{\\*\\generator Quillon;}\\viewkind4\\pard\\plain\r\n" + m_body + "}\r\n";
    return rtf;
}

void RtfOutput::writeBlock(const QTextBlock &block) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        switchTo(runFormat(fragment.charFormat()));
        writeText(fragment.text());
    }
    word("par");
    m_body += "\r\n";
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
    const QStringList families = font.families();
    run.font = fontIndex(families.isEmpty() ? font.family() : families.first());
    if (format.foreground().style() != Qt::NoBrush)
        run.color = colorIndex(format.foreground().color());
    return run;
}

int RtfOutput::fontIndex(const QString &family) {
    const QString name = cleanFontName(family);
    qsizetype index = m_fonts.indexOf(name);
    if (index < 0) {
        index = m_fonts.size();
        m_fonts.append(name);
    }
    return static_cast<int>(index);
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
    m_error.clear();
    const QByteArray rtf = toRtf(document);
    // A full disk first shows as a short write with no error set; writing the rest then fails
    // and tells the cause.
    for (QByteArrayView rest = rtf; !rest.isEmpty();) {
        const qint64 count = device->write(rest.data(), rest.size());
        if (count <= 0) {
            m_error = device->errorString();
            return false;
        }
        rest = rest.sliced(count);
    }
    return true;
}

} // namespace quillon
