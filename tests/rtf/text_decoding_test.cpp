// Plain text files as other programs save them, decoded without a window. Files without a
// byte-order mark (UTF-8, code page 1252, line ends) are tried through the report area by the
// rich text box test; here, the system's own code page.
#include "text_decoding.h"

#include <QStringEncoder>
#include <QSysInfo>
#include <QTest>

using namespace quillon;

class TextDecodingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesAsItsWriterMeantIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString text = QStringLiteral("Café €5\r\n");
        const QString read = QStringLiteral("Café €5\n");
        QTest::newRow("UTF-8 with a mark") << QByteArray("\xef\xbb\xbf") + text.toUtf8() << read;
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                                    QStringConverter::Utf32LE, QStringConverter::Utf32BE}) {
            QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
            QTest::newRow(QStringConverter::nameForEncoding(encoding))
                << QByteArray(encoder.encode(text)) << read;
        }
        // Windows' own editors save in its ANSI code page, which the Windows run of this test
        // makes 932 (a Japanese system); elsewhere there is none, and 1252 stands in.
        QTest::newRow("no mark and not UTF-8: the system's code page")
            << QByteArray("\x82\xa0\r\n")
            << (QSysInfo::kernelType() == QLatin1String("winnt") ? QString::fromUtf8("あ\n")
                                                                 : QString::fromUtf8("‚\u00a0\n"));
    }
    void decodesAsItsWriterMeantIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeTextFile(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TextDecodingTest)
#include "text_decoding_test.moc"
