// Plain text files as other programs save them, decoded without a window. Files without a
// byte-order mark (UTF-8, code page 1252, line ends) are tried through the report area by the
// rich text box test.
#include "text_decoding.h"

#include <QStringEncoder>
#include <QTest>

using namespace quillon;

class TextDecodingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesMarkedUnicode_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Café €5\r\n");
        QTest::newRow("UTF-8 with a mark") << QByteArray("\xef\xbb\xbf") + text.toUtf8();
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                                    QStringConverter::Utf32LE, QStringConverter::Utf32BE}) {
            QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
            QTest::newRow(QStringConverter::nameForEncoding(encoding))
                << QByteArray(encoder.encode(text));
        }
    }
    void decodesMarkedUnicode() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(decodeTextFile(bytes), QStringLiteral("Café €5\n"));
    }
};

QTEST_GUILESS_MAIN(TextDecodingTest)
#include "text_decoding_test.moc"
