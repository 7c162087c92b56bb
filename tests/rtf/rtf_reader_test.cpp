#include "rtf_document_properties.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using quillon::RtfReader;

namespace {

QString readText(const QByteArray &rtf, QString *error = nullptr) {
    QTextDocument document;
    RtfReader reader;
    const bool ok = reader.read(rtf, &document);
    if (error)
        *error = reader.errorString();
    return ok ? document.toPlainText() : QStringLiteral("<failed>");
}

QByteArray fixture(const QString &name) {
    QFile file(QStringLiteral(RTF_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

// The character format of the first occurrence of `word`.
QTextCharFormat formatOf(const QTextDocument &document, const QString &word) {
    const QTextCursor found = document.find(word);
    if (found.isNull())
        qFatal("\"%s\" not in the document", qPrintable(word));
    return found.charFormat();
}

QString colorName(const QTextCharFormat &format) {
    return format.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                      : format.foreground().color().name();
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data();
    void text();
    void lineBreakAndNonBreakingSpace();
    void formatting_data();
    void formatting();
    void badInput_data();
    void badInput();
    void nestingUpToTheLimit();
    void readingReplacesTheContent();
    void lostContentIsNamed();
    void picturesShareOneMemoryLimit();
    void fiftyMegabyteFile();
    void libreOfficeFormatted();
    void libreOfficePlainText();
    void wordPadStyle();
    void fuzzRegressions_data();
    void fuzzRegressions();
};

void RtfReaderTest::text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("paragraphs") << QByteArray(R"({\rtf1 one\par two})") << "one\ntwo";
    QTest::newRow("mark after the last paragraph adds none")
        << QByteArray(R"({\rtf1 one\par})") << "one";
    QTest::newRow("empty paragraphs kept")
        << QByteArray(R"({\rtf1 a\par\par\par b\par\par})") << "a\n\n\nb\n";
    QTest::newRow("only a paragraph mark") << QByteArray(R"({\rtf1\par})") << "";
    QTest::newRow("blanks kept after the delimiter")
        << QByteArray(R"({\rtf1   lead  two   \par})") << "  lead  two   ";
    QTest::newRow("backslash before a line break is a paragraph")
        << QByteArray("{\\rtf1 a\\\r\nb}") << "a\nb";
    QTest::newRow("sections, pages and rows end paragraphs")
        << QByteArray(R"({\rtf1 a\sect b\page c\row d})") << "a\nb\nc\nd";
    QTest::newRow("tabs and cells") << QByteArray(R"({\rtf1 a\tab b\cell c})") << "a\tb\tc";
    QTest::newRow("nested table cells, without their fallback text")
        << QByteArray(R"({\rtf1 a\nestcell b\nestcell{\nonesttables x\par}\nestrow c})")
        << "a\tb\t\nc";
    QTest::newRow("nested table without the text that stands in for it")
        << QByteArray(R"({\rtf1\trowd\cellx5000\pard\intbl\itap2 A\nestcell B\nestcell)"
                      R"({\*\nesttableprops\trowd\cellx2000\cellx4000\nestrow})"
                      R"({\nonesttables FALLBACK\par}\pard\intbl outer\cell\row\pard after})")
        << "\n\nA\nB\nouter\nafter";
    QTest::newRow("escaped backslash and braces") << QByteArray(R"({\rtf1 \\ \{x\}})") << "\\ {x}";
    QTest::newRow("code page 1252 by default")
        << QByteArray(R"({\rtf1 caf\'e9 \'80\'93q\'94})") << QString::fromUtf8("café €“q”");
    QTest::newRow("code page 1252 from end to end, with an unassigned byte as Windows reads it")
        << QByteArray(R"({\rtf1 \'80\'81\'9f\'ff})") << QString::fromUtf8("€\u0081Ÿÿ");
    QTest::newRow("code page 1251")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})")
        << QString::fromUtf8("Привет");
    QTest::newRow("code page 932, two bytes a character")
        << QByteArray(R"({\rtf1\ansicpg932 \'82\'a0\'82\'a2})") << QString::fromUtf8("あい");
    QTest::newRow("code page 65001")
        << QByteArray(R"({\rtf1\ansicpg65001 \'c3\'a9})") << QString::fromUtf8("é");
    QTest::newRow("Macintosh character set")
        << QByteArray(R"({\rtf1\mac \'8e})") << QString::fromUtf8("é");
    QTest::newRow("Mac Japanese, code page 10001")
        << QByteArray(R"({\rtf1\mac\ansicpg10001 \'82\'a8\'93\'c7})") << QString::fromUtf8("お読");
    QTest::newRow("a font's character set before the document's code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;})"
                      R"({\f1\fcharset238 Arial CE;}}\f1 \'c8l\'e1nek mo\'f8e\f0  \'c8})")
        << QString::fromUtf8("Článek moře È");
    QTest::newRow("Japanese font in a file without a code page")
        << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0 \'82\'a0})")
        << QString::fromUtf8("あ");
    QTest::newRow("Latin font in a Chinese file")
        << QByteArray(R"({\rtf1\ansi\ansicpg950{\fonttbl{\f0\fcharset0 Lucida;})"
                      R"({\f1\fcharset136 MingLiU;}}\f0 \'a9 2004 \f1\'a4\'a4})")
        << QString::fromUtf8("© 2004 中");
    QTest::newRow("font without a character set in the document's code page")
        << QByteArray(R"({\rtf1\ansicpg1251{\fonttbl{\f0 Arial;}}\f0\'cf\f7\'f0})")
        << QString::fromUtf8("Пр");
    QTest::newRow("lone lead byte ends at a paragraph mark")
        << QByteArray(R"({\rtf1\ansicpg932 A\'93\par This})") << QString::fromUtf8("A\uFFFD\nThis");
    QTest::newRow("lone lead byte ends at a group end")
        << QByteArray(R"({\rtf1\ansicpg936 {A\'b5}This})") << QString::fromUtf8("A\uFFFDThis");
    QTest::newRow("Symbol font shows what it draws")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}\f1\'b7 a\'ae\f0  x})")
        << QString::fromUtf8("• α→ x");
    QTest::newRow("Wingdings marks, and a sign Unicode lacks left to the font")
        << QByteArray(R"({\rtf1{\fonttbl{\f3\fcharset2 Wingdings;}}\f3\'a7\'fc\'22})")
        << QString::fromUtf8("▪✔\uF022");
    QTest::newRow("unknown code page falls back to 1252")
        << QByteArray(R"({\rtf1\ansicpg12345 \'e9\'80})") << QString::fromUtf8("é€");
    QTest::newRow("negative code page falls back to 1252")
        << QByteArray(R"({\rtf1\ansicpg-1252 \'e9})") << QString::fromUtf8("é");
    QTest::newRow("8-bit text bytes in the code page")
        << QByteArray("{\\rtf1 caf\xe9}") << QString::fromUtf8("café");
    QTest::newRow("unicode with one fallback character")
        << QByteArray(R"({\rtf1 caf\u233?s})") << QString::fromUtf8("cafés");
    QTest::newRow("hex fallback skipped")
        << QByteArray(R"({\rtf1 \u233\'e9x})") << QString::fromUtf8("éx");
    QTest::newRow("uc2 skips two")
        << QByteArray(R"({\rtf1\uc2 \u233xyz})") << QString::fromUtf8("éz");
    QTest::newRow("uc0 skips nothing")
        << QByteArray(R"({\rtf1\uc0 \u233 x})") << QString::fromUtf8("éx");
    QTest::newRow("uc belongs to its group")
        << QByteArray(R"({\rtf1{\uc2 }\u233ab})") << QString::fromUtf8("éb");
    QTest::newRow("skipping stops at the group end")
        << QByteArray(R"({\rtf1{\uc3\u233}x})") << QString::fromUtf8("éx");
    QTest::newRow("negative values are the upper half")
        << QByteArray(R"({\rtf1\u-3?})") << QString(QChar(0xFFFD));
    QTest::newRow("surrogate pair as two unicode words")
        << QByteArray(R"({\rtf1 \u-10179?\u-8704?!})") << QString::fromUtf8("😀!");
    QTest::newRow("lone surrogate replaced")
        << QByteArray(R"({\rtf1 \u-10179?x})") << QString(QChar(0xFFFD)) + "x";
    QTest::newRow("unicode beyond 16 bits replaced")
        << QByteArray(R"({\rtf1 \u70000?x})") << QString(QChar(0xFFFD)) + "x";
    QTest::newRow("control characters dropped") << QByteArray(R"({\rtf1 a\u1?\u13?\u0?b})") << "ab";
    QTest::newRow("Qt's frame markers dropped")
        << QByteArray(R"({\rtf1 a\u-560?\u-559?b})") << "ab";
    QTest::newRow("special characters")
        << QByteArray(R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\_})")
        << QString::fromUtf8("—–•‘’“”‑");
    QTest::newRow("destinations skipped")
        << QByteArray(R"({\rtf1{\*\generator Foo;}{\info{\title T}{\author A}})"
                      R"({\stylesheet{\s0 Normal;}})"
                      R"({\*\unknown {x}}seen})")
        << "seen";
    QTest::newRow("field result shown, instruction skipped")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}})"
                      R"({\field{\fldinst PAGE}{\fldrslt 1}}})")
        << "link1";
    QTest::newRow("binary data skipped, braces included")
        << QByteArray(R"({\rtf1{\pict\bin3 }{\ more}after})") << "after";
    QTest::newRow("binary data inside text skipped") << QByteArray(R"({\rtf1 a\bin2 xyb})") << "ab";
    QTest::newRow("optional hyphen is a soft hyphen")
        << QByteArray(R"({\rtf1 hy\-phen})") << QString::fromUtf8("hy\u00ADphen");
    QTest::newRow("hidden text kept out")
        << QByteArray(R"({\rtf1 a{\v secret}b\v c\v0 d})") << "abd";
    QTest::newRow("index and contents entries kept out")
        << QByteArray(R"({\rtf1 a{\tc Entry}{\tcn Other}{\xe Index}b})") << "ab";
    QTest::newRow("footnote marks numbered, the notes kept whole")
        << QByteArray(
               R"({\rtf1 a{\super\chftn}{\*\footnote\chftn\~ note}b{\chftn}{\footnote\chftn x}})")
        << QStringLiteral("a1\uFFFCb2\uFFFC");
    QTest::newRow("unknown control words ignored")
        << QByteArray(R"({\rtf1\viewkind4\pard\sa200\sl276\slmult1 a\qc\lang9 b})") << "ab";
    QTest::newRow("text after the outermost group ignored")
        << QByteArray(R"({\rtf1 a}b{\rtf1 c})") << "a";
    QTest::newRow("leading blanks before the header") << QByteArray("\r\n \t{\\rtf1 a}") << "a";
    QTest::newRow("file cut short reads as far as it goes")
        << QByteArray(R"({\rtf1{\b a\par b)") << "a\nb";
    QTest::newRow("unbalanced closing braces end the document")
        << QByteArray(R"({\rtf1{\b a}}}}} b})") << "a";
}

void RtfReaderTest::text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QString error;
    QCOMPARE(readText(rtf, &error), expected);
    QCOMPARE(error, QString());
}

void RtfReaderTest::lineBreakAndNonBreakingSpace() {
    // toPlainText() shows both as ordinary characters; the block keeps what was read.
    QTextDocument document;
    QVERIFY(RtfReader().read(R"({\rtf1 a\line b\~c\par d})", &document));
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.firstBlock().text(), QStringLiteral("a\u2028b\u00a0c"));
}

void RtfReaderTest::formatting_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("color");

    // The body follows a header with fonts Arial (0, default) and Courier New (1) and the
    // colours auto, red and blue; each row checks the format of the word X.
    QTest::newRow("defaults: 12 pt, the default font, auto colour")
        << QByteArray("X") << false << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("bold") << QByteArray(R"(\b X)") << true << false << false << 12.0 << "Arial"
                          << "auto";
    QTest::newRow("bold off with b0")
        << QByteArray(R"(\b a\b0 X)") << false << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("italic") << QByteArray(R"(\i X)") << false << true << false << 12.0 << "Arial"
                            << "auto";
    QTest::newRow("underline") << QByteArray(R"(\ul X)") << false << false << true << 12.0
                               << "Arial"
                               << "auto";
    QTest::newRow("double underline counts as underline")
        << QByteArray(R"(\uldb X)") << false << false << true << 12.0 << "Arial"
        << "auto";
    QTest::newRow("ulnone") << QByteArray(R"(\ul a\ulnone X)") << false << false << false << 12.0
                            << "Arial"
                            << "auto";
    QTest::newRow("ul0") << QByteArray(R"(\ul a\ul0 X)") << false << false << false << 12.0
                         << "Arial"
                         << "auto";
    QTest::newRow("size in half-points")
        << QByteArray(R"(\fs21 X)") << false << false << false << 10.5 << "Arial"
        << "auto";
    QTest::newRow("absurd size clamped")
        << QByteArray(R"(\fs2000000 X)") << false << false << false << 1638.0 << "Arial"
        << "auto";
    QTest::newRow("font") << QByteArray(R"(\f1 X)") << false << false << false << 12.0
                          << "Courier New"
                          << "auto";
    QTest::newRow("unknown font keeps no family")
        << QByteArray(R"(\f9 X)") << false << false << false << 12.0 << ""
        << "auto";
    QTest::newRow("colour") << QByteArray(R"(\cf2 X)") << false << false << false << 12.0 << "Arial"
                            << "#0000ff";
    QTest::newRow("colour 0 is auto")
        << QByteArray(R"(\cf1 a\cf0 X)") << false << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("colour beyond the table is auto")
        << QByteArray(R"(\cf7 X)") << false << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("group end restores the format")
        << QByteArray(R"({\b\i\ul\fs40\f1\cf1 a}X)") << false << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("formats combine")
        << QByteArray(R"(\b\i\ul\fs40\f1\cf1 X)") << true << true << true << 20.0 << "Courier New"
        << "#ff0000";
    QTest::newRow("plain resets") << QByteArray(R"(\b\i\ul\fs40\f1\cf1 a\plain X)") << false
                                  << false << false << 12.0 << "Arial"
                                  << "auto";
    QTest::newRow("pard keeps character formats")
        << QByteArray(R"(\b a\par\pard X)") << true << false << false << 12.0 << "Arial"
        << "auto";
    QTest::newRow("paragraph mark keeps character formats")
        << QByteArray(R"(\i a\par X)") << false << true << false << 12.0 << "Arial"
        << "auto";
}

void RtfReaderTest::formatting() {
    QFETCH(QByteArray, body);
    QTextDocument document;
    const QByteArray rtf =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
        R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})" +
        body + "}";
    QVERIFY(RtfReader().read(rtf, &document));

    const QTextCharFormat format = formatOf(document, QStringLiteral("X"));
    QTEST(format.fontWeight() == QFont::Bold, "bold");
    QTEST(format.fontItalic(), "italic");
    QTEST(format.fontUnderline(), "underline");
    QTEST(format.fontPointSize(), "points");
    QTEST(format.fontFamilies().toStringList().value(0), "family");
    QTEST(colorName(format), "color");
}

void RtfReaderTest::badInput_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("errorStart");

    QTest::newRow("plain text") << QByteArray("hello") << "The file does not begin with {\\rtf";
    QTest::newRow("empty") << QByteArray() << "The file does not begin with {\\rtf";
    QTest::newRow("another destination first")
        << QByteArray(R"({\pict 01})") << "The file does not begin with {\\rtf";
    QTest::newRow("nesting past the limit")
        << QByteArray("{\\rtf1" + QByteArray(RtfReader::maxGroupDepth, '{') + "x}")
        << "Groups are nested deeper than 100000 levels";
    QTest::newRow("ten million open braces")
        << QByteArray("{\\rtf1" + QByteArray(10'000'000, '{')) << "Groups are nested deeper";
    QTest::newRow("deep nesting inside a skipped destination")
        << QByteArray("{\\rtf1{\\*\\x" + QByteArray(RtfReader::maxGroupDepth, '{') + "}")
        << "Groups are nested";
    QTest::newRow("parameter overflowing 32 bits")
        << QByteArray(R"({\rtf1\fs99999999999 x})") << "Numeric parameter out of range";
    QTest::newRow("binary data past the end")
        << QByteArray(R"({\rtf1{\pict\bin1000000 abc}})") << "\\bin data runs past the end";
    QTest::newRow("hex escape at the end")
        << QByteArray(R"({\rtf1 a\')") << "The file ends inside a \\' escape";
    QTest::newRow("bad hex digits") << QByteArray(R"({\rtf1 a\'g0})") << "Invalid \\' escape";
    QTest::newRow("error in the header")
        << QByteArray(R"({\rtf99999999999})") << "Numeric parameter out of range";
}

void RtfReaderTest::badInput() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, errorStart);
    QString error;
    QCOMPARE(readText(rtf, &error), QStringLiteral("<failed>"));
    QVERIFY2(error.startsWith(errorStart), qPrintable(error));
}

void RtfReaderTest::nestingUpToTheLimit() {
    const int nested = RtfReader::maxGroupDepth - 1; // the outermost group counts too
    const QByteArray rtf =
        "{\\rtf1" + QByteArray(nested, '{') + "deep" + QByteArray(nested, '}') + "}";
    QString error;
    QCOMPARE(readText(rtf, &error), QStringLiteral("deep"));
    QCOMPARE(error, QString());
}

void RtfReaderTest::readingReplacesTheContent() {
    QTextDocument document;
    document.setPlainText(QStringLiteral("old\ntext"));
    RtfReader reader;
    QVERIFY(reader.read(R"({\rtf1 new})", &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("new"));
    QVERIFY(!reader.read("junk", &document));
    QVERIFY(reader.hasError());
    QVERIFY(reader.read(R"({\rtf1 again})", &document));
    QVERIFY2(!reader.hasError(), "a success clears the previous error");
}

void RtfReaderTest::lostContentIsNamed() {
    QTextDocument document;
    RtfReader reader;
    // Headers, footers and objects are kept; a footer inside a header has no place.
    QVERIFY(reader.read(R"({\rtf1{\header H{\footer F}}{\object\objdata 01}{\info{\title T}}a})",
                        &document));
    QCOMPARE(reader.lostContent(), QStringList(QStringLiteral("headers or footers")));
    // Each read starts afresh, and what is skipped on purpose (document information) is no loss.
    QVERIFY(reader.read(R"({\rtf1{\info{\title T}}{\*\generator G;}a})", &document));
    QVERIFY(reader.lostContent().isEmpty());
    QVERIFY(reader.read(R"({\rtf1 a{\v hidden}{\tc entry}{\*\annotation note})"
                        R"({\*\shppict{\pict\emfblip 01}}{\nonshppict{\pict\wmetafile8 01}}})",
                        &document));
    QCOMPARE(reader.lostContent(), QStringList({QStringLiteral("hidden text"),
                                                QStringLiteral("index or contents entries"),
                                                QStringLiteral("comments")}));
    // Pictures of every format are kept, drawn or not; data that names no format is named.
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    QVERIFY(
        reader.read(R"({\rtf1{\pict\pngblip )" + png.toHex() +
                        R"(}{\*\shppict{\pict\jpegblip 0102}}{\pict\wmetafile8 0102}{\pict 0102}})",
                    &document));
    QCOMPARE(reader.lostContent(), QStringList(QStringLiteral("a picture that could not be read")));
    QCOMPARE(document.toPlainText(), QString(3, QChar::ObjectReplacementCharacter));
}

void RtfReaderTest::picturesShareOneMemoryLimit() {
    // A small file can hold many small pictures that each claim a large one's memory.
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    const QByteArray picture = "{\\pict\\pngblip " + png.toHex() + "}";
    RtfReader reader;
    reader.setMaxPictureBytes(2 * image.sizeInBytes());
    QTextDocument document;
    QVERIFY(reader.read("{\\rtf1 " + picture + picture + picture + "}", &document));
    // The third is not decoded: it is kept as it came and shown as a frame naming it.
    QCOMPARE(document.toPlainText(), QString(3, QChar::ObjectReplacementCharacter));
    QTextCursor third(&document);
    third.setPosition(3);
    QCOMPARE(third.charFormat().stringProperty(quillon::placeholderKindProperty),
             QStringLiteral("PNG picture"));
    QVERIFY(reader.lostContent().isEmpty());
}

void RtfReaderTest::fiftyMegabyteFile() {
    // Half of it a picture, as in the large files people save, half formatted text.
    const QByteArray line = R"({\b bold} plain \'e9 \u8364? {\i\cf1 more}\par)"
                            "\r\n";
    const int lines = 25'000'000 / int(line.size());
    QByteArray rtf = R"({\rtf1\ansi{\colortbl ;\red255\green0\blue0;}{\pict\pngblip )";
    rtf += QByteArray(25'000'000, 'a') + "}";
    rtf.reserve(rtf.size() + qsizetype(lines) * line.size() + 1);
    for (int i = 0; i < lines; ++i)
        rtf += line;
    rtf += "}";
    QVERIFY(rtf.size() > 49'000'000);

    QTextDocument document;
    QVERIFY(RtfReader().read(rtf, &document));
    QCOMPARE(document.blockCount(), lines);
    QCOMPARE(document.lastBlock().text(), QString::fromUtf8("bold plain é € more"));
}

void RtfReaderTest::libreOfficeFormatted() {
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(fixture(QStringLiteral("libreoffice_formatted.rtf")), &document),
             qPrintable(reader.errorString()));
    QCOMPARE(document.toPlainText(), QString::fromUtf8("Plain bold italic underlined text.\n"
                                                       "Large and small.\n"
                                                       "Red and blue.\n"
                                                       "Café €5 – naïve 中文 😀 done"));

    const QTextCharFormat plain = formatOf(document, QStringLiteral("Plain"));
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QCOMPARE(plain.fontPointSize(), 12.0);
    QCOMPARE(plain.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Sans"));
    QCOMPARE(formatOf(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, QStringLiteral("italic")).fontItalic());
    QVERIFY(formatOf(document, QStringLiteral("underlined")).fontUnderline());
    QVERIFY(!formatOf(document, QStringLiteral("text")).fontUnderline());
    QCOMPARE(formatOf(document, QStringLiteral("Large")).fontPointSize(), 20.0);
    QCOMPARE(formatOf(document, QStringLiteral("small")).fontPointSize(), 8.0);
    QCOMPARE(colorName(formatOf(document, QStringLiteral("Red"))), QStringLiteral("#ff0000"));
    QCOMPARE(colorName(formatOf(document, QStringLiteral("blue"))), QStringLiteral("#0000ff"));
}

void RtfReaderTest::libreOfficePlainText() {
    // A text file with CR LF lines, runs of blanks, indents, a tab and empty lines.
    QCOMPARE(
        readText(fixture(QStringLiteral("libreoffice_spaced.rtf"))),
        QStringLiteral("Quote for   Jane Citizen\n\n    Item\tPrice\n  Widget      12.50\n\nEnd"));
}

void RtfReaderTest::wordPadStyle() {
    QTextDocument document;
    QVERIFY(RtfReader().read(fixture(QStringLiteral("wordpad_style.rtf")), &document));
    QCOMPARE(document.toPlainText(),
             QString::fromUtf8("Quote for Jane\nTotal: 1,402.91\nThé end “quoted”\nunder"));
    const QTextCharFormat quote = formatOf(document, QStringLiteral("Quote"));
    QCOMPARE(quote.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    QCOMPARE(quote.fontPointSize(), 10.0);
    QCOMPARE(formatOf(document, QStringLiteral("Total")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(document, QStringLiteral("1,402")).fontWeight(), int(QFont::Normal));
    QCOMPARE(colorName(formatOf(document, QStringLiteral("1,402"))), QStringLiteral("#008000"));
    const QTextCharFormat end = formatOf(document, QStringLiteral("end"));
    QVERIFY(end.fontItalic());
    QCOMPARE(end.fontPointSize(), 14.0);
    QCOMPARE(end.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
    QVERIFY(formatOf(document, QStringLiteral("under")).fontUnderline());
}

void RtfReaderTest::fuzzRegressions_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(RTF_TEST_DATA "/fuzz_regressions"));
    const QStringList names = folder.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

void RtfReaderTest::fuzzRegressions() {
    // Inputs the fuzzer once found to break the round trip: what the reader accepts, the writer
    // writes so that it reads back the same, and writes again byte for byte the same.
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    RtfReader reader;
    QVERIFY(reader.read(file.readAll(), &document));

    const QByteArray written = quillon::RtfWriter::toRtf(document);
    QTextDocument reread;
    QVERIFY(reader.read(written, &reread));
    QCOMPARE(reread.toPlainText(), document.toPlainText());
    QCOMPARE(quillon::RtfWriter::toRtf(reread), written);
}

QTEST_GUILESS_MAIN(RtfReaderTest)
#include "rtf_reader_test.moc"
