#include "rtf_document_properties.h"
#include "rtf_picture.h"
#include "rtf_reader.h"
#include "rtf_units.h"
#include "rtf_writer.h"
#include "test_files.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableCellFormat>

#include <cmath>

using quillon::RtfReader;
using quillon::RtfWriter;

namespace {

// A document whose default font is the writer's font 0 at 12 pt, so that plain text needs no
// font or size words.
std::unique_ptr<QTextDocument> plainDocument(const QString &text) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    document->setPlainText(text);
    return document;
}

// What comes after the header up to the closing brace.
QByteArray body(const QByteArray &rtf) {
    const QByteArray marker = "\\viewkind4\\pard\\plain\r\n";
    const qsizetype start = rtf.indexOf(marker);
    if (start < 0 || !rtf.endsWith("}\r\n"))
        return "<no body>";
    return rtf.sliced(start + marker.size(), rtf.size() - start - marker.size() - 3);
}

// Every run of one character format: its text and the properties RTF carries.
QStringList runs(const QTextDocument &document) {
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            result << QStringLiteral("%1|%2%3%4|%5pt|%6|%7")
                          .arg(it.fragment().text(),
                               format.fontWeight() == QFont::Bold ? QStringLiteral("b") : "",
                               format.fontItalic() ? QStringLiteral("i") : "",
                               format.fontUnderline() ? QStringLiteral("u") : "")
                          .arg(format.fontPointSize())
                          .arg(format.fontFamilies().toStringList().value(0),
                               format.foreground().style() == Qt::NoBrush
                                   ? QStringLiteral("auto")
                                   : format.foreground().color().name());
        }
        result << QStringLiteral("<par>");
    }
    return result;
}

// A quote like the program writes: 30 lines of text laid out with blanks, with empty lines and
// CR LF line ends.
QString quoteText() {
    QStringList lines;
    lines << QStringLiteral("                    PRICE QUOTE") << QString()
          << QStringLiteral("Customer:     Jane   Citizen")
          << QStringLiteral("Product:      Widget") << QString();
    for (int i = 1; i <= 24; ++i) {
        lines << QStringLiteral("Item %1%2%3.50   ")
                     .arg(i)
                     .arg(QString(14 - QString::number(i).size(), u' '))
                     .arg(i * 3);
    }
    lines << QStringLiteral("\tTotal:\t\t1,402.91");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList frameStructure(const QTextFrame::iterator &begin);

// A cell's borders as drawn, its own or else the table's, side by side (t, b, l, r) as width in
// twips/style/colour, and its fill.
QString cellLook(const QTextTableCellFormat &format, const QTextTableFormat &table) {
    QString look;
    for (int side = 0; side < 4; ++side) {
        double width = table.border();
        int style = table.borderStyle();
        QColor colour = table.borderBrush().color();
        if (format.hasProperty(QTextFormat::TableCellTopBorder + side)) {
            width = format.doubleProperty(QTextFormat::TableCellTopBorder + side);
            style = format.intProperty(QTextFormat::TableCellTopBorderStyle + side);
            colour = format.brushProperty(QTextFormat::TableCellTopBorderBrush + side).color();
        }
        if (width <= 0 || style == QTextFrameFormat::BorderStyle_None)
            continue;
        look += QStringLiteral(" %1%2/%3/%4")
                    .arg(QChar(u"tblr"[side]))
                    .arg(std::lround(width * quillon::twipsPerDocumentUnit))
                    .arg(style)
                    .arg(colour.name());
    }
    if (format.background().style() != Qt::NoBrush)
        look += QStringLiteral(" fill ") + format.background().color().name();
    return look;
}

// Tables (shape, column widths, cell borders and content) and paragraphs (alignment, text,
// links) as lines.
QStringList tableStructure(const QTextTable *table) {
    QStringList widths;
    for (const QTextLength &width : table->format().columnWidthConstraints())
        widths << QString::number(width.rawValue());
    QStringList lines = {QStringLiteral("table %1x%2 widths %3")
                             .arg(table->rows())
                             .arg(table->columns())
                             .arg(widths.join(u','))};
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            const QString name = QStringLiteral("cell %1,%2").arg(row).arg(column);
            if (cell.row() != row || cell.column() != column) {
                lines << name + QStringLiteral(" covered");
                continue;
            }
            const QString span =
                cell.rowSpan() > 1 || cell.columnSpan() > 1
                    ? QStringLiteral(" span %1x%2").arg(cell.rowSpan()).arg(cell.columnSpan())
                    : QString();
            lines << name + cellLook(cell.format().toTableCellFormat(), table->format()) + span;
            lines << frameStructure(cell.begin());
        }
    }
    lines << QStringLiteral("end table");
    return lines;
}

// A picture as its kind, its size and a digest of the bytes it is written back from.
QString pictureStructure(const QTextImageFormat &format) {
    const auto digest = [](const QVariant &bytes) {
        return QCryptographicHash::hash(bytes.toByteArray(), QCryptographicHash::Md5)
            .toHex()
            .left(8);
    };
    QString text = QStringLiteral("{picture %1 %2x%3")
                       .arg(format.property(quillon::pictureTypeProperty).toString())
                       .arg(format.width())
                       .arg(format.height());
    if (format.hasProperty(quillon::pictureDataProperty))
        text +=
            QStringLiteral(" data %1").arg(digest(format.property(quillon::pictureDataProperty)));
    if (format.hasProperty(quillon::keptGroupProperty))
        text += QStringLiteral(" kept %1").arg(digest(format.property(quillon::keptGroupProperty)));
    if (format.hasProperty(quillon::placeholderKindProperty))
        text += QStringLiteral(" shown as \"%1\"")
                    .arg(format.stringProperty(quillon::placeholderKindProperty));
    return text + u'}';
}

QString paragraphStructure(const QTextBlock &block) {
    QString text;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.isImageFormat())
            text += pictureStructure(format.toImageFormat());
        else if (format.isAnchor())
            text += QStringLiteral("[%1](%2)").arg(it.fragment().text(), format.anchorHref());
        else if (format.boolProperty(quillon::listLabelProperty))
            text += QStringLiteral("<%1>").arg(it.fragment().text());
        else
            text += it.fragment().text();
    }
    const QTextBlockFormat format = block.blockFormat();
    const QString list = format.hasProperty(quillon::listLevelProperty)
                             ? QStringLiteral(" list %1 level %2")
                                   .arg(format.intProperty(quillon::listNumberProperty))
                                   .arg(format.intProperty(quillon::listLevelProperty))
                             : QString();
    QString layout;
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        layout += QStringLiteral(" page break");
    if (format.topMargin() != 0 || format.bottomMargin() != 0)
        layout += QStringLiteral(" space %1/%2").arg(format.topMargin()).arg(format.bottomMargin());
    if (format.leftMargin() != 0 || format.rightMargin() != 0 || format.textIndent() != 0)
        layout += QStringLiteral(" indent %1/%2/%3")
                      .arg(format.leftMargin())
                      .arg(format.rightMargin())
                      .arg(format.textIndent());
    for (const QTextOption::Tab &tab : format.tabPositions())
        layout += QStringLiteral(" tab %1").arg(tab.position);
    if (format.lineHeightType() != QTextBlockFormat::SingleHeight)
        layout += QStringLiteral(" line %1 type %2")
                      .arg(format.lineHeight())
                      .arg(format.lineHeightType());
    return QStringLiteral("paragraph %1%2%3 %4")
        .arg(int(format.alignment() & Qt::AlignHorizontal_Mask))
        .arg(list, layout, text);
}

QStringList frameStructure(const QTextFrame::iterator &begin) {
    QStringList lines;
    for (auto it = begin; !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            lines << tableStructure(table);
        } else if (const QTextFrame *frame = it.currentFrame()) {
            lines
                << QStringLiteral("frame %1")
                       .arg(
                           frame->frameFormat().property(quillon::headerFooterProperty).toString());
            lines << frameStructure(frame->begin()) << QStringLiteral("end frame");
        } else if (it.currentBlock().isValid()) {
            lines << paragraphStructure(it.currentBlock());
        }
    }
    return lines;
}

QStringList documentStructure(const QTextDocument &document) {
    return frameStructure(document.rootFrame()->begin());
}

// Every run's text with its font family, unless that is the document's default font, and its
// link target; a paragraph ends with <par>.
QStringList linkAndFontRuns(const QTextDocument &document) {
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString family = format.fontFamilies().toStringList().value(0);
            if (family == document.defaultFont().family())
                family.clear();
            const auto vertical = format.verticalAlignment();
            result << QStringLiteral("%1|%2|%3%4")
                          .arg(it.fragment().text(), family, format.anchorHref(),
                               vertical == QTextCharFormat::AlignSuperScript ? "|super"
                               : vertical == QTextCharFormat::AlignSubScript ? "|sub"
                                                                             : "");
        }
        result << QStringLiteral("<par>");
    }
    return result;
}

std::unique_ptr<QTextDocument> writtenAndRead(const QTextDocument &document) {
    auto reread = std::make_unique<QTextDocument>();
    RtfReader reader;
    if (!reader.read(RtfWriter::toRtf(document), reread.get()))
        qFatal("the written RTF does not read: %s", qPrintable(reader.errorString()));
    return reread;
}

} // namespace

class RtfWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void header();
    void text_data();
    void text();
    void outputIsAscii();
    void fontAndColourTables();
    void quoteRoundTrip();
    void formattedRoundTrip();
    void nestedTableRoundTrip();
    void pictureRoundTrip();
    void alignmentAndLinkRoundTrip();
    void keptContentRoundTrip_data();
    void keptContentRoundTrip();
    void readRoundTrip_data();
    void readRoundTrip();
    void fontTableNamesDrawnFace_data();
    void fontTableNamesDrawnFace();
    void writesToDevice();
    void reportsDeviceFailure();
};

void RtfWriterTest::header() {
    const QByteArray rtf = RtfWriter::toRtf(*plainDocument(QStringLiteral("x")));
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), rtf.constData());
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"));
    QVERIFY(rtf.contains("{\\colortbl ;}"));
    // LibreOffice keeps runs of blanks only in files that name their generator.
    QVERIFY(rtf.contains("{\\*\\generator Quillon;}"));
    QCOMPARE(body(rtf), QByteArray("x\\par\r\n"));
}

void RtfWriterTest::text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one paragraph") << "abc" << QByteArray("abc\\par\r\n");
    QTest::newRow("every paragraph ends with par, empty ones too")
        << "a\n\nb\n"
        << QByteArray("a\\par\r\n\\par\r\nb\\par\r\n\\par\r\n");
    QTest::newRow("empty document") << "" << QByteArray("\\par\r\n");
    QTest::newRow("blanks kept") << "  two  spaces  " << QByteArray("  two  spaces  \\par\r\n");
    QTest::newRow("backslash and braces escaped") << "\\{x}" << QByteArray("\\\\\\{x\\}\\par\r\n");
    QTest::newRow("tab with a delimiter before text")
        << "a\tb\t c\t" << QByteArray("a\\tab b\\tab  c\\tab\\par\r\n");
    QTest::newRow("tab before a blank") << "\t x" << QByteArray("\\tab  x\\par\r\n");
    QTest::newRow("line break") << QStringLiteral("a\u2028b") << QByteArray("a\\line b\\par\r\n");
    QTest::newRow("non-breaking space")
        << QStringLiteral("a\u00a0b") << QByteArray("a\\~b\\par\r\n");
    QTest::newRow("Latin-1 character")
        << QString::fromUtf8("é1") << QByteArray("\\u233?1\\par\r\n");
    QTest::newRow("delete character") << QStringLiteral("\x7f") << QByteArray("\\u127?\\par\r\n");
    QTest::newRow("above 32767 as negative")
        << QString::fromUtf8("\uffe0") << QByteArray("\\u-32?\\par\r\n");
    QTest::newRow("beyond the BMP as a surrogate pair")
        << QString::fromUtf8("😀") << QByteArray("\\u-10179?\\u-8704?\\par\r\n");
    QTest::newRow("control characters left out")
        << QStringLiteral("a\x01\x1f b") << QByteArray("a b\\par\r\n");
}

void RtfWriterTest::text() {
    QFETCH(QString, text);
    QTEST(body(RtfWriter::toRtf(*plainDocument(text))), "expected");
}

void RtfWriterTest::outputIsAscii() {
    const QByteArray rtf = RtfWriter::toRtf(*plainDocument(QString::fromUtf8("Ünïcödé €😀 中文")));
    for (const char c : rtf)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80, rtf.constData());
}

void RtfWriterTest::fontAndColourTables() {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Courier New")});
    format.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("a"), format);
    format.setForeground(QColor(0, 0, 255));
    cursor.insertText(QStringLiteral("b"), format);
    format.setForeground(QColor(255, 0, 0));
    format.setFontFamilies({QStringLiteral("Odd{Font}")});
    cursor.insertText(QStringLiteral("c"), format);

    const QByteArray rtf = RtfWriter::toRtf(document);
    QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Courier "
                          "New;}{\\f2\\fnil\\fcharset0 Odd\\{Font\\};}}"),
             rtf.constData());
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"));
    QCOMPARE(body(rtf), QByteArray("\\fs20\\f1\\cf1 a\\cf2 b\\f2\\cf1 c\\par\r\n"));
}

void RtfWriterTest::quoteRoundTrip() {
    const QString quote = quoteText();
    const auto document = plainDocument(quote);
    QString expected = quote;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(document->toPlainText(), expected);
    QCOMPARE(document->blockCount(), 31);

    QTextDocument reread;
    RtfReader reader;
    QVERIFY2(reader.read(RtfWriter::toRtf(*document), &reread), qPrintable(reader.errorString()));
    QCOMPARE(reread.toPlainText(), expected);
    QCOMPARE(reread.blockCount(), 31);
    QCOMPARE(reread.findBlockByNumber(0).text(), QStringLiteral("                    PRICE QUOTE"));
    QCOMPARE(reread.findBlockByNumber(1).text(), QString());
    QCOMPARE(reread.findBlockByNumber(29).text(), QStringLiteral("\tTotal:\t\t1,402.91"));
    QCOMPARE(reread.findBlockByNumber(30).text(), QString());
}

void RtfWriterTest::formattedRoundTrip() {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(&document);
    const auto insert = [&cursor](const QString &text, auto &&change) {
        QTextCharFormat format;
        change(format);
        cursor.insertText(text, format);
    };
    insert(QStringLiteral("plain "), [](QTextCharFormat &) {});
    insert(QStringLiteral("bold"), [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
    insert(QStringLiteral(" italic"), [](QTextCharFormat &f) { f.setFontItalic(true); });
    insert(QStringLiteral(" under "), [](QTextCharFormat &f) { f.setFontUnderline(true); });
    cursor.insertBlock();
    insert(QStringLiteral("big"), [](QTextCharFormat &f) { f.setFontPointSize(20); });
    insert(QStringLiteral("half"), [](QTextCharFormat &f) { f.setFontPointSize(8.5); });
    insert(QStringLiteral("green"), [](QTextCharFormat &f) { f.setForeground(QColor(0, 128, 0)); });
    insert(QStringLiteral("all"), [](QTextCharFormat &f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontPointSize(14);
        f.setFontFamilies({QStringLiteral("Courier New")});
        f.setForeground(QColor(255, 0, 0));
    });
    cursor.insertBlock();
    insert(QString::fromUtf8("Ünïcödé € “quotes” 中文 😀 {braces} \\"),
           [](QTextCharFormat &f) { f.setFontItalic(true); });

    QTextDocument reread;
    QVERIFY(RtfReader().read(RtfWriter::toRtf(document), &reread));
    QCOMPARE(reread.toPlainText(), document.toPlainText());
    const QStringList expected = {
        "plain ||10pt|Arial|auto",
        "bold|b|10pt|Arial|auto",
        " italic|i|10pt|Arial|auto",
        " under |u|10pt|Arial|auto",
        "<par>",
        "big||20pt|Arial|auto",
        "half||8.5pt|Arial|auto",
        "green||10pt|Arial|#008000",
        "all|biu|14pt|Courier New|#ff0000",
        "<par>",
        QString::fromUtf8("Ünïcödé € “quotes” 中文 😀 {braces} \\|i|10pt|Arial|auto"),
        "<par>",
    };
    QCOMPARE(runs(reread), expected);
}

void RtfWriterTest::nestedTableRoundTrip() {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Price list"));
    QTextTableFormat format;
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::FixedLength, 240)});
    QTextTable *outer = cursor.insertTable(2, 2, format);
    outer->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("Item"));
    outer->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("Widget"));
    QTextCursor inCell = outer->cellAt(1, 1).firstCursorPosition();
    inCell.insertText(QStringLiteral("before"));
    inCell.insertBlock();
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 60), QTextLength(QTextLength::FixedLength, 80)});
    QTextTable *inner = inCell.insertTable(2, 2, format);
    inner->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("small"));
    inner->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("1.50"));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("after"));

    const QStringList structure = documentStructure(document);
    QVERIFY(structure.count(QStringLiteral("end table")) == 2);
    QCOMPARE(documentStructure(*writtenAndRead(document)), structure);
}

void RtfWriterTest::pictureRoundTrip() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 255));
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), image);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Logo: "));
    QTextImageFormat format;
    format.setName(QStringLiteral("logo"));
    format.setWidth(30);
    format.setHeight(20);
    cursor.insertImage(format);

    const QByteArray rtf = RtfWriter::toRtf(document);
    QVERIFY2(rtf.contains("{\\pict\\pngblip\\picw3\\pich2\\picwgoal450\\pichgoal300\r\n"),
             rtf.constData());
    QTextDocument reread;
    QVERIFY(RtfReader().read(rtf, &reread));
    QCOMPARE(reread.toPlainText(), document.toPlainText());
    const QTextBlock block = reread.firstBlock();
    auto fragment = block.begin();
    ++fragment;
    QVERIFY(fragment.fragment().charFormat().isImageFormat());
    const QTextImageFormat read = fragment.fragment().charFormat().toImageFormat();
    QCOMPARE(read.width(), 30.0);
    QCOMPARE(read.height(), 20.0);
    const QImage readImage =
        reread.resource(QTextDocument::ImageResource, QUrl(read.name())).value<QImage>();
    QCOMPARE(readImage.convertToFormat(QImage::Format_RGB32), image);
    // Written again, the picture keeps the bytes it was read from.
    QCOMPARE(RtfWriter::toRtf(reread), rtf);
}

void RtfWriterTest::alignmentAndLinkRoundTrip() {
    QTextDocument document;
    QTextCursor cursor(&document);
    const auto paragraph = [&cursor](Qt::Alignment alignment, const QString &text) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        cursor.insertBlock(format);
        cursor.insertText(text, QTextCharFormat());
    };
    cursor.insertText(QStringLiteral("left"));
    paragraph(Qt::AlignHCenter, QStringLiteral("centred"));
    paragraph(Qt::AlignRight, QStringLiteral("right"));
    paragraph(Qt::AlignJustify, QStringLiteral("justified "));
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.com/price?list=\"a\"&x=1"));
    link.setFontUnderline(true);
    cursor.insertText(QStringLiteral("our prices"), link);
    cursor.insertText(QStringLiteral(" today"), QTextCharFormat());
    paragraph(Qt::AlignRight, QString());
    paragraph(Qt::AlignLeft, QStringLiteral("left again"));

    QStringList expected = documentStructure(document);
    // A quote in an address cannot stand in the field's quoted target; it goes encoded.
    expected.replaceInStrings(QStringLiteral("\"a\""), QStringLiteral("%22a%22"));
    QCOMPARE(documentStructure(*writtenAndRead(document)), expected);
}

void RtfWriterTest::keptContentRoundTrip_data() {
    QTest::addColumn<QString>("file");
    // Lines the document read from the file holds; each line of documentStructure().
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QStringList>("lost");
    // Words the written file has; those marked '!' it has not.
    QTest::addColumn<QByteArrayList>("written");

    QTest::newRow("headers and footers, a picture in one")
        << "header_with_logo.rtf"
        << QStringList{"frame header",
                       "paragraph 2 Vellan Computers {picture png 40x20 data 798628c3}",
                       "paragraph 1 12 Main Street",
                       "end frame",
                       "frame headerf",
                       "paragraph 4 Letter of offer",
                       "frame footerl",
                       "frame footerr",
                       "paragraph 1 Dear customer,"}
        << QStringList() << QByteArrayList();
    QTest::newRow("numbered and bulleted lists on two levels")
        << "two_level_lists.rtf"
        << QStringList{"paragraph 1 Prices:",
                       "paragraph 1 list 1 level 0 <3.\t>Widgets",
                       "paragraph 1 list 1 level 1 <3.i)\t>small",
                       "paragraph 1 list 1 level 1 <3.ii)\t>large",
                       "paragraph 1 list 1 level 0 <4.\t>Gadgets",
                       QString::fromUtf8("paragraph 1 list 2 level 0 <•\t>Delivery"),
                       QString::fromUtf8("paragraph 1 list 2 level 1 <–\t>next day"),
                       "paragraph 1 Thank you."}
        << QStringList() << QByteArrayList();
    QTest::newRow("a list without \\listtext numbers every item")
        << "list_without_listtext.rtf"
        << QStringList{"paragraph 1 list 1 level 0 <1.\t>one",
                       "paragraph 1 list 1 level 0 <2.\t>two",
                       "paragraph 1 list 1 level 0 <3.\t>three", "paragraph 1 Done."}
        << QStringList() << QByteArrayList{"{\\listtext 2.\\tab}two", "{\\listtext 3.\\tab}three"};
    QTest::newRow("a label as long as its count byte says, not up to its ';'")
        << "oversized_list_label.rtf"
        << QStringList{"paragraph 1 list 1 level 0 <1.)\t>first",
                       "paragraph 1 list 1 level 0 <2.)\t>second"}
        << QStringList() << QByteArrayList{"{\\leveltext\\'03\\'00.);}", "!xxx"};
    QTest::newRow("start values beyond what lists count held in range")
        << "list_start_at_overflow.rtf"
        << QStringList{"paragraph 1 list 1 level 0 <32767th\t>last",
                       "paragraph 1 list 1 level 0 <32768th\t>past the last",
                       "paragraph 1 list 2 level 0 <0th\t>lowest",
                       "paragraph 1 list 2 level 0 <1st\t>above it"}
        << QStringList()
        << QByteArrayList{"\\levelstartat32767{", "\\levelstartat0{", "!\\levelstartat2147483647",
                          "!\\levelstartat-"};
    QTest::newRow("cells past the last edge as wide as the one before, so words stay whole")
        << "cells_past_the_last_edge.rtf" << QStringList{"table 1x4 widths 300,300,300,300"}
        << QStringList() << QByteArrayList{"\\cellx4500\\cellx9000\\cellx13500\\cellx18000"};
    // Borders as "side twips/style/colour": 3 is solid, 4 double.
    QTest::newRow("cell borders, shading and merges as the file gives them; row borders unshown")
        << "bordered_shaded_table.rtf"
        << QStringList{"table 4x2 widths 200,200",
                       "cell 0,0 t10/3/#000000 b30/4/#ff0000 fill #d9d9d9",
                       "cell 0,1 fill #bfbfbf",
                       "cell 1,0 span 2x1",
                       "cell 1,1",
                       "cell 2,0 covered",
                       "cell 2,1 r10/3/#000000",
                       "cell 3,0 span 1x2",
                       "cell 3,1 covered"}
        << QStringList{"paragraph borders"}
        << QByteArrayList{"\\clbrdrb\\brdrdb\\brdrw30\\brdrcf",
                          "\\clcbpat",
                          "!\\trbrdr",
                          "\\clvmgf\\cellx3000",
                          "\\clvmrg\\cellx3000",
                          "\\clmgf\\cellx3000\\clmrg\\cellx6000"};
    QTest::newRow("metafiles shown as frames, a bitmap drawn")
        << "metafile_and_bitmap.rtf"
        << QStringList{"paragraph 1 Plan: {picture wmetafile8 96x48 data 6f3a5a59 shown as \"WMF "
                       "picture\"}",
                       "paragraph 1 Mark: {picture dibitmap0 20x20 data ce3eaec0}",
                       "paragraph 1 Chart: {picture emfblip 40x40 data 856d8e7b shown as \"EMF "
                       "picture\"}"}
        << QStringList() << QByteArrayList();
    QTest::newRow("embedded object kept whole")
        << "embedded_object.rtf"
        << QStringList{"paragraph 1 Attached: {picture wmetafile8 96x48 data 6f3a5a59 kept "
                       "e6871b99 shown as \"embedded object\"} done."}
        << QStringList() << QByteArrayList();
    QTest::newRow("text box and drawing object kept whole")
        << "text_box_and_shape.rtf"
        << QStringList{"paragraph 1 Before {picture  192x96 kept 89eec5cc shown as \"Boxed note\"} "
                       "after.",
                       "paragraph 1 {picture  96x48 kept bc6b8b6e shown as \"drawing\"} End."}
        << QStringList() << QByteArrayList();
    // The body's first paragraph keeps its own format beneath the headers put in before it.
    QTest::newRow("plain header and footer on every page; empty and first-page ones unshown")
        << "plain_header_and_footer.rtf"
        << QStringList{"frame header",
                       "paragraph 2 Vellan Computers",
                       "end frame",
                       "frame footer",
                       "paragraph 1 Page footer",
                       "end frame",
                       "paragraph 4 Dear customer,"}
        << QStringList()
        << QByteArrayList{"!\\facingp", "!\\titlepg", "{\\headerl \\pard\\plain\\par}",
                          "{\\headerf \\pard\\plain\\qc Not on page one\\par}"};
    QTest::newRow("page breaks, spacing, indents, paper and columns")
        << "page_break_and_paper.rtf"
        << QStringList{"paragraph 1 space 0/13.3333 line 150 type 1 First page",
                       "paragraph 1 page break space 8/0 indent 48/24/-24 tab 24 Second page: 5 m2 "
                       "of H2O",
                       "paragraph 1 page break Third page", "paragraph 1 ", "paragraph 1 Same page"}
        << QStringList()
        << QByteArrayList{"\\pard\\sa200\\sl360\\slmult1", "\\sb120\\li720\\ri360\\fi-360",
                          "m\\super 2\\nosupersub ", "H\\sub 2\\nosupersub O",
                          "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1417\\margb1134\\"
                          "landscape\\cols2\\colsx567\r\n"};
    QTest::newRow("Cyrillic footnote and text box, letter for letter in the writer's code page")
        << "cyrillic_footnote_and_text_box.rtf"
        << QStringList{QString::fromUtf8("paragraph 1 Цена1{picture  240x32 kept e048718c shown as "
                                         "\"footnote: Примечание\"} {picture  192x96 kept "
                                         "d45a8607 shown as \"Коробка\"}")}
        << QStringList() << QByteArrayList{"\\u1055?\\u1088?", "\\f1\\fnil\\fcharset0 Arial Cyr;"};
}

void RtfWriterTest::keptContentRoundTrip() {
    QFETCH(QString, file);
    QFETCH(QStringList, read);
    QFETCH(QStringList, lost);
    QFETCH(QByteArrayList, written);
    QTextDocument document;
    RtfReader reader;
    QVERIFY(reader.read(quillon::readFile(QStringLiteral(RTF_TEST_DATA "/") + file), &document));
    QCOMPARE(reader.lostContent(), lost);
    const QStringList structure = documentStructure(document);
    for (const QString &line : read)
        QVERIFY2(structure.contains(line), qPrintable(structure.join(u'\n')));

    // Written and read again, the document is the same, and so is what it writes.
    const auto reread = writtenAndRead(document);
    QCOMPARE(documentStructure(*reread), structure);
    const QByteArray rtf = RtfWriter::toRtf(document);
    QCOMPARE(RtfWriter::toRtf(*reread), rtf);
    for (const QByteArray &words : written) {
        if (words.startsWith('!'))
            QVERIFY2(!rtf.contains(words.sliced(1)), words.constData());
        else
            QVERIFY2(rtf.contains(words), words.constData());
    }
}

void RtfWriterTest::readRoundTrip_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("runs");

    QTest::newRow("plain inside a link's text keeps the link")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "https://example.com"})"
                      R"({\fldrslt\ul our \plain prices}} today\par})")
        << QStringList{"our ||https://example.com", "prices||https://example.com", " today||",
                       "<par>"};
    QTest::newRow("field instruction without a group of its own links only the result")
        << QByteArray(R"({\rtf1{\field\fldinst HYPERLINK "https://example.com"{\fldrslt link}})"
                      R"( after{\field\fldinst HYPERLINK "https://example.org"} end\par})")
        << QStringList{"link||https://example.com", " after end||", "<par>"};
    QTest::newRow("superscript and subscript, raised and lowered")
        << QByteArray(R"({\rtf1 m{\super 2} H{\sub 2}O x{\up6 n}{\dn3 i}{\up0 =}\par})")
        << QStringList{"m||",       "2|||super", " H||", "2|||sub", "O x||",
                       "n|||super", "i|||sub",   "=||",  "<par>"};
    QTest::newRow("Wingdings: a blank is a blank, a sign read as such when written as its "
                  "private-use code, and one Unicode lacks keeps the font")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}{\f3\fcharset2 Wingdings;}})"
                      R"(\f3\u-3844?\'fc \'22\f0  x\par})")
        << QStringList{QStringLiteral("\u2714\u2714 ||"), QStringLiteral("\uF022|Wingdings|"),
                       " x|Arial|", "<par>"};
}

void RtfWriterTest::readRoundTrip() {
    // Read, written and read again, the document holds the same; written again, the same RTF.
    // Both in one default font, which the written file names as its font 0.
    QFETCH(QByteArray, rtf);
    const QFont font(QStringLiteral("Times New Roman"), 12);
    QTextDocument document;
    document.setDefaultFont(font);
    RtfReader reader;
    QVERIFY2(reader.read(rtf, &document), qPrintable(reader.errorString()));
    QTEST(linkAndFontRuns(document), "runs");
    QTextDocument reread;
    reread.setDefaultFont(font);
    QVERIFY(reader.read(RtfWriter::toRtf(document), &reread));
    QTEST(linkAndFontRuns(reread), "runs");
    QCOMPARE(RtfWriter::toRtf(reread), RtfWriter::toRtf(document));
}

void RtfWriterTest::writesToDevice() {
    const auto document = plainDocument(QStringLiteral("x"));
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    RtfWriter writer;
    QVERIFY(writer.write(*document, &buffer));
    QCOMPARE(buffer.data(), RtfWriter::toRtf(*document));
    QCOMPARE(writer.errorString(), QString());
}

void RtfWriterTest::reportsDeviceFailure() {
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RtfWriter writer;
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!writer.write(*plainDocument(QStringLiteral("x")), &buffer));
    QVERIFY(!writer.errorString().isEmpty());
}

void RtfWriterTest::fontTableNamesDrawnFace_data() {
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<int>("hint");
    QTest::addColumn<QByteArray>("entry");
    // Every system here has Liberation Sans (Wine finds the system's own fonts).
    QTest::newRow("first face found here")
        << QStringList{"Quillon No Such Face", "Liberation Sans"} << int(QFont::SansSerif)
        << QByteArray("{\\f0\\fswiss\\fcharset0 Liberation Sans;}");
    QTest::newRow("no face found here")
        << QStringList{"Quillon No Such Face"} << int(QFont::Serif)
        << QByteArray("{\\f0\\froman\\fcharset0 Quillon No Such Face;}");
}

void RtfWriterTest::fontTableNamesDrawnFace() {
    QFETCH(QStringList, families);
    QFETCH(int, hint);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::StyleHint(hint));
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(QStringLiteral("x"));
    const QByteArray rtf = RtfWriter::toRtf(document);
    QFETCH(QByteArray, entry);
    QVERIFY2(rtf.contains("{\\fonttbl" + entry + '}'), rtf.constData());
}

// A GUI application, for the faces this system draws text in.
QTEST_MAIN(RtfWriterTest)
#include "rtf_writer_test.moc"
