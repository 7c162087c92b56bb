// The code pages through the system's own converter, with the same expectations on every system
// the program is built for: Windows' tables there, Qt's converters (ICU) elsewhere.
#include "code_page_decoder.h"

#include <QTest>

using namespace quillon;

class CodePageDecoderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesLikeWindows_data() {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1252") << 1252 << QByteArray("caf\xe9 \x80\x93q\x94")
                              << QString::fromUtf8("café €“q”");
        QTest::newRow("1252, a byte it leaves unassigned as its control character")
            << 1252 << QByteArray("\x81\x9d") << QString::fromUtf8("\u0081\u009d");
        QTest::newRow("932, two bytes a character")
            << 932 << QByteArray("\x82\xa0\x93\xc7\x81\x60") << QString::fromUtf8("あ読～");
        QTest::newRow("932, a lead byte alone at the end of a run")
            << 932 << QByteArray("A\x93") << QString::fromUtf8("A\uFFFD");
        // Windows' own table maps the single bytes 932 leaves unassigned to characters of the
        // private use area, and so does the reading everywhere else.
        QTest::newRow("932, the single bytes it leaves unassigned")
            << 932 << QByteArray("\xa0\x41\xfd\x81\xa0\xfe\xff")
            << QString::fromUtf8("\uF8F0A\uF8F1\u25A1\uF8F2\uF8F3");
        QTest::newRow("UTF-8, a sequence cut off at the end of a run")
            << 65001 << QByteArray("a\xc3") << QString::fromUtf8("a\uFFFD");
    }
    void decodesLikeWindows() {
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        CodePageDecoder decoder(codePage);
        QCOMPARE(decoder.codePage(), codePage);
        QCOMPARE(decoder.decode(bytes), text);
        // Nothing of one run is left over for the next.
        QCOMPARE(decoder.decode("b"), QStringLiteral("b"));
    }
};

QTEST_GUILESS_MAIN(CodePageDecoderTest)
#include "code_page_decoder_test.moc"
