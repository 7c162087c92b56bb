#include "layout.h"
#include "loaded_report.h"
#include "pdf_reading.h"
#include "rich_text_box.h"
#include "rtf_document_properties.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextFrame>
#include <QUrl>

#include <cmath>

using quillon::hasPopplerTool;
using quillon::pdfText;
using quillon::rasterisePdf;
using quillon::readFile;
using quillon::RichTextBox;
using quillon::writeFile;

class RichTextBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void backgroundIsTheWindowColour();
    void loadsRtf();
    void loadsPlainText_data();
    void loadsPlainText();
    void failedLoadKeepsTheContent_data();
    void failedLoadKeepsTheContent();
    void loadsAgainAfterAnRtfLoad();
    void quoteTextSurvivesSaveAndLoad();
    void saveReplacesAnExistingFile();
    void failedSaveLeavesTheTargetIntact();
    void selectionLength();
    void printsOnlyTheSelection_data();
    void printsOnlyTheSelection();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void RichTextBoxTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void RichTextBoxTest::backgroundIsTheWindowColour() {
    RichTextBox box;
    QCOMPARE(box.palette().color(QPalette::Base), box.palette().color(QPalette::Window));
}

void RichTextBoxTest::loadsRtf() {
    RichTextBox box;
    box.setPlainText(QStringLiteral("old"));
    QCOMPARE(box.loadFile(QStringLiteral(RTF_TEST_DATA "/wordpad_style.rtf")), std::nullopt);
    QCOMPARE(box.toPlainText(),
             QString::fromUtf8("Quote for Jane\nTotal: 1,402.91\nThé end “quoted”\nunder"));
    QTextCursor cursor = box.document()->find(QStringLiteral("Total"));
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
}

void RichTextBoxTest::loadsPlainText_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8 with CR LF lines and blanks")
        << QByteArray("  a  b\r\n\r\n\tc \xc3\xa9\r\n") << QString::fromUtf8("  a  b\n\n\tc é\n");
    QTest::newRow("byte order mark dropped") << QByteArray("\xef\xbb\xbfx") << "x";
    QTest::newRow("not UTF-8: the Windows code page")
        << QByteArray("caf\xe9 \x80\r\n") << QString::fromUtf8("café €\n");
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << "a\nb";
    QTest::newRow("RTF-like text further in") << QByteArray("text {\\rtf1 x}") << "text {\\rtf1 x}";
    QTest::newRow("RTF after leading blanks is RTF")
        << QByteArray(" \r\n {\\rtf1 rich\\par}") << "rich";
    QTest::newRow("empty file") << QByteArray() << "";
}

void RichTextBoxTest::loadsPlainText() {
    QFETCH(QByteArray, content);
    const QString path = m_dir->filePath(QStringLiteral("quote.txt"));
    QVERIFY(writeFile(path, content));
    RichTextBox box;
    box.setPlainText(QStringLiteral("old"));
    QCOMPARE(box.loadFile(path), std::nullopt);
    QTEST(box.toPlainText(), "expected");
}

void RichTextBoxTest::failedLoadKeepsTheContent_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("missing file") << "missing.rtf" << QByteArray() << qint64(-1) << "Cannot open";
    QTest::newRow("a folder") << "folder" << QByteArray() << qint64(-1) << "Cannot";
    QTest::newRow("broken RTF") << "broken.rtf" << QByteArray("{\\rtf1 fine so far \\'zz}")
                                << qint64(-1) << "not a readable rich text file";
    QTest::newRow("RTF nested too deep")
        << "deep.rtf" << QByteArray("{\\rtf1" + QByteArray(200'000, '{')) << qint64(-1)
        << "nested deeper";
    QTest::newRow("larger than the limit")
        << "huge.rtf" << QByteArray("{\\rtf1 x}") << quillon::maxReportFileSize + 1 << "too large";
}

void RichTextBoxTest::failedLoadKeepsTheContent() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    const QString path = m_dir->filePath(name);
    if (name == QStringLiteral("folder")) {
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    } else if (!content.isEmpty()) {
        QVERIFY(writeFile(path, content));
        if (size > 0)
            QVERIFY(QFile::resize(path, size)); // sparse: no disk space needed
    }

    RichTextBox box;
    QTextCursor cursor(box.document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("kept  text\n\nhere"), bold);
    const QString before = box.toHtml();

    const std::optional<QString> reason = box.loadFile(path);
    QVERIFY(reason);
    QFETCH(QString, reasonPart);
    QVERIFY2(reason->contains(reasonPart), qPrintable(*reason));
    QCOMPARE(box.toHtml(), before);
}

void RichTextBoxTest::loadsAgainAfterAnRtfLoad() {
    // The second RTF load replaces a document that the box itself made for the first.
    RichTextBox box;
    const QString first = m_dir->filePath(QStringLiteral("first.rtf"));
    const QString second = m_dir->filePath(QStringLiteral("second.rtf"));
    QVERIFY(writeFile(first, "{\\rtf1 first}"));
    QVERIFY(writeFile(second, "{\\rtf1 second}"));
    QCOMPARE(box.loadFile(first), std::nullopt);
    QCOMPARE(box.loadFile(second), std::nullopt);
    QCOMPARE(box.toPlainText(), QStringLiteral("second"));
    box.selectAll();
    QCOMPARE(box.selectionLength(), 6);
}

void RichTextBoxTest::quoteTextSurvivesSaveAndLoad() {
    QString quote;
    for (int i = 0; i < 30; ++i)
        quote += (i % 7 == 3) ? QString() : QStringLiteral("  Item %1   %2  ").arg(i).arg(i * 1.5);
    quote = quote + QStringLiteral("\r\n\r\n\tTotal:\t 1,402.91\r\n");
    RichTextBox box;
    box.setPlainText(quote);
    const QString expected = box.toPlainText();
    const QString path = m_dir->filePath(QStringLiteral("report.rtf"));

    QCOMPARE(box.saveFile(path), std::nullopt);
    QVERIFY(readFile(path).startsWith("{\\rtf1"));
    RichTextBox other;
    QCOMPARE(other.loadFile(path), std::nullopt);
    QCOMPARE(other.toPlainText(), expected);
}

void RichTextBoxTest::saveReplacesAnExistingFile() {
    const QString path = m_dir->filePath(QStringLiteral("report.txt"));
    QVERIFY(writeFile(path, QByteArray(100000, 'x')));
    RichTextBox box;
    box.setPlainText(QStringLiteral("short"));
    QCOMPARE(box.saveFile(path), std::nullopt);
    const QByteArray saved = readFile(path);
    QVERIFY(saved.startsWith("{\\rtf1"));
    QVERIFY(saved.endsWith("}\r\n"));
    QVERIFY(!saved.contains("xxx"));
}

void RichTextBoxTest::failedSaveLeavesTheTargetIntact() {
    RichTextBox box;
    box.setPlainText(QStringLiteral("report"));

    const std::optional<QString> noFolder =
        box.saveFile(m_dir->filePath(QStringLiteral("no/such/folder/report.rtf")));
    QVERIFY(noFolder);
    QVERIFY(noFolder->startsWith(QStringLiteral("Cannot write")));

    // A folder where the file should go: nothing may replace it or what it holds.
    const QString target = m_dir->filePath(QStringLiteral("report.rtf"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("report.rtf")));
    QVERIFY(writeFile(target + QStringLiteral("/inside.txt"), "keep"));
    QVERIFY(box.saveFile(target));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(readFile(target + QStringLiteral("/inside.txt")), QByteArray("keep"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
}

void RichTextBoxTest::selectionLength() {
    RichTextBox box;
    box.setPlainText(QStringLiteral("hello\nworld"));
    QCOMPARE(box.selectionLength(), 0);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(3);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.selectionLength(), 5); // "lo", the paragraph break, "wo"
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.selectionLength(), 2); // a backward selection counts the same
}

void RichTextBoxTest::printsOnlyTheSelection_data() {
    QTest::addColumn<bool>("selectionOnly");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");
    QTest::addColumn<int>("moreLines"); // "Line1" to "LineN" after the last line
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("header"); // a page header's text, printed on every page
    QTest::addColumn<bool>("picture");   // a red square after the selected word, selected with it
    // The page layout of a document read from RTF, and where the first word printed then begins.
    QTest::addColumn<QByteArray>("pageLayout");
    QTest::addColumn<double>("firstWordLeftPoints");

    QTest::newRow("selection") << true << QStringList{"Selectedword"}
                               << QStringList{"Firstline", "Lastline"} << 0 << 1 << QString()
                               << false << QByteArray() << 56.7;
    QTest::newRow("selection with a picture")
        << true << QStringList{"Selectedword"} << QStringList{"Firstline", "Lastline"} << 0 << 1
        << QString() << true << QByteArray() << 56.7;
    QTest::newRow("all pages") << false << QStringList{"Firstline", "Selectedword", "Lastline"}
                               << QStringList() << 0 << 1 << QString() << false << QByteArray()
                               << 56.7;
    // 76 lines of 9.5 pt fill a page of A4 or Letter less 2 cm at each edge.
    QTest::newRow("a long text flows onto further pages, no line lost")
        << false << QStringList{"Firstline", "Lastline"} << QStringList() << 200 << 3 << QString()
        << false << QByteArray() << 56.7;
    QTest::newRow("a header on every page")
        << false << QStringList{"Firstline", "Lastline", "Letterhead"} << QStringList() << 200 << 3
        << "Letterhead" << false << QByteArray() << 56.7;
    // 2835 twips are 5 cm, 141.7 pt; the top margin is RTF's default of an inch.
    QTest::newRow("a document's own margins")
        << false << QStringList{"Firstline", "Lastline"} << QStringList() << 0 << 1 << QString()
        << false << QByteArray("\\paperw11906\\margl2835\\margrsxn2835") << 141.7;
    QTest::newRow("a selection on the document's page")
        << true << QStringList{"Selectedword"} << QStringList{"Firstline"} << 0 << 1 << QString()
        << false << QByteArray("\\margl2835") << 141.7;
}

// Prints at a printer's resolution, with the windows' font sized in pixels, and reads every
// word back with the height pdftotext gives it, in points.
void RichTextBoxTest::printsOnlyTheSelection() {
    if (!hasPopplerTool(QStringLiteral("pdftotext")))
        QSKIP("pdftotext (poppler-utils) is not installed");

    RichTextBox box;
    box.setFont(quillon::layout::font(8.25));
    QFETCH(int, moreLines);
    QString content = QStringLiteral("Firstline\nSome Selectedword here\nLastline");
    for (int line = 1; line <= moreLines; ++line)
        content += QStringLiteral("\nLine%1").arg(line);
    box.setPlainText(content);
    QFETCH(QString, header);
    if (!header.isEmpty()) {
        QTextFrameFormat format;
        format.setProperty(quillon::headerFooterProperty, QByteArray("header"));
        QTextCursor(box.document()).insertFrame(format)->firstCursorPosition().insertText(header);
    }
    QTextCursor cursor = box.document()->find(QStringLiteral("Selectedword"));
    QFETCH(bool, picture);
    if (picture) {
        QImage square(40, 40, QImage::Format_RGB32);
        square.fill(Qt::red);
        const QUrl name(QStringLiteral("test:square"));
        box.document()->addResource(QTextDocument::ImageResource, name, square);
        QTextCursor after(box.document());
        after.setPosition(cursor.selectionEnd());
        after.insertImage(name.toString());
        cursor.setPosition(cursor.selectionEnd() + 1, QTextCursor::KeepAnchor);
    }
    box.setTextCursor(cursor);
    QFETCH(QByteArray, pageLayout);
    if (!pageLayout.isEmpty()) {
        QTextFrameFormat root = box.document()->rootFrame()->frameFormat();
        root.setProperty(quillon::pageLayoutProperty, pageLayout);
        box.document()->rootFrame()->setFrameFormat(root);
    }

    QFETCH(bool, selectionOnly);
    const QString pdf = m_dir->filePath(QStringLiteral("print.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPrintRange(selectionOnly ? QPrinter::Selection : QPrinter::AllPages);
    QVERIFY(box.printTo(printer));

    const std::optional<QString> read = pdfText(pdf, {QStringLiteral("-bbox")});
    QVERIFY(read);
    const QString &text = *read;
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    for (const QString &word : printed) {
        const QRegularExpressionMatch bounds =
            QRegularExpression(
                QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">%1<)re")
                    .arg(word))
                .match(text);
        QVERIFY2(bounds.hasMatch(), qPrintable(text));
        // Letters of 8.25 pt stand about 9 pt high with their ascent and descent.
        const double height = bounds.captured(2).toDouble() - bounds.captured(1).toDouble();
        QVERIFY2(height > 8 && height < 11,
                 qPrintable(word + QStringLiteral(": %1 pt").arg(height)));
    }
    QFETCH(double, firstWordLeftPoints);
    const QRegularExpressionMatch first =
        QRegularExpression(QStringLiteral(R"re(xMin="([\d.]+)"[^>]*>%1<)re").arg(printed.first()))
            .match(text);
    QVERIFY2(first.hasMatch(), qPrintable(text));
    QVERIFY2(std::abs(first.captured(1).toDouble() - firstWordLeftPoints) < 1,
             qPrintable(first.captured(1)));
    for (const QString &word : notPrinted)
        QVERIFY2(!text.contains(word), qPrintable(text));
    QFETCH(int, pages);
    QCOMPARE(text.count(QStringLiteral("<page ")), pages);
    if (!header.isEmpty())
        QCOMPARE(text.count(QStringLiteral(">%1<").arg(header)), pages);
    // A line moved to the next page is also drawn, clipped away, at the foot of the page before,
    // so pdftotext may read it twice.
    for (int line = 1; line <= moreLines; ++line)
        QVERIFY2(text.contains(QStringLiteral(">Line%1<").arg(line)), qPrintable(text));
    if (picture) {
        const std::optional<QImage> page = rasterisePdf(pdf, 72);
        QVERIFY(page);
        int red = 0;
        for (int y = 0; y < page->height(); ++y) {
            for (int x = 0; x < page->width(); ++x) {
                const QColor pixel = page->pixelColor(x, y);
                red += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
            }
        }
        QVERIFY2(red > 100, qPrintable(QStringLiteral("%1 red pixels").arg(red)));
    }
}

QTEST_MAIN(RichTextBoxTest)
#include "rich_text_box_test.moc"
