#include "rtf_tokenizer.h"

#include <QTest>

using quillon::RtfToken;
using quillon::RtfTokenizer;

namespace {

// The tokens of `input` in a compact notation: { } \word \word-5 \'e9 sym:~ "text" bin:4.
QString describe(const QByteArray &input, QString *error = nullptr) {
    RtfTokenizer tokenizer(input);
    QStringList parts;
    for (RtfToken token = tokenizer.next(); token.type != RtfToken::Type::End;
         token = tokenizer.next()) {
        switch (token.type) {
        case RtfToken::Type::GroupOpen:
            parts << QStringLiteral("{");
            break;
        case RtfToken::Type::GroupClose:
            parts << QStringLiteral("}");
            break;
        case RtfToken::Type::ControlWord:
            parts << QLatin1Char('\\') + QString::fromLatin1(token.word) +
                         (token.hasParameter ? QString::number(token.parameter) : QString());
            break;
        case RtfToken::Type::ControlSymbol:
            parts << QStringLiteral("sym:") + QLatin1Char(token.symbol);
            break;
        case RtfToken::Type::HexByte:
            parts << QStringLiteral("\\'") + QString::number(token.parameter, 16);
            break;
        case RtfToken::Type::Text:
            parts << QLatin1Char('"') + QString::fromLatin1(token.text) + QLatin1Char('"');
            break;
        case RtfToken::Type::BinaryData:
            parts << QStringLiteral("bin:%1").arg(token.text.size());
            break;
        case RtfToken::Type::End:
            break;
        }
    }
    if (error)
        *error = tokenizer.errorString();
    return parts.join(QLatin1Char(' '));
}

} // namespace

class RtfTokenizerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tokens_data();
    void tokens();
    void malformedInputStops_data();
    void malformedInputStops();
};

void RtfTokenizerTest::tokens_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("groups and text") << QByteArray("{a{b}c}") << R"({ "a" { "b" } "c" })";
    QTest::newRow("space after a word is its delimiter")
        << QByteArray("\\b  two") << R"(\b " two")";
    QTest::newRow("other characters end a word unconsumed")
        << QByteArray("\\b;x\\i0") << R"(\b ";x" \i0)";
    QTest::newRow("positive and negative parameters")
        << QByteArray("\\fs24\\u-10179?") << R"(\fs24 \u-10179 "?")";
    QTest::newRow("largest 32-bit parameters")
        << QByteArray("\\x2147483647\\y-2147483648") << R"(\x2147483647 \y-2147483648)";
    QTest::newRow("hyphen without digits is text") << QByteArray("\\b-x") << R"(\b "-x")";
    QTest::newRow("line breaks are dropped")
        << QByteArray("a\r\nb\n\\par\r\nc") << R"("a" "b" \par "c")";
    QTest::newRow("hex escapes in either case") << QByteArray("\\'e9\\'C0x") << R"(\'e9 \'c0 "x")";
    QTest::newRow("control symbols") << QByteArray("\\~\\*\\{\\\\") << "sym:~ sym:* sym:{ sym:\\";
    QTest::newRow("binary data is one token, braces included")
        << QByteArray("\\bin4 {}\\}x") << R"(\bin4 bin:4 "x")";
    QTest::newRow("binary data of length zero") << QByteArray("\\bin0 x") << R"(\bin0 bin:0 "x")";
    QTest::newRow("empty input") << QByteArray() << QString();
}

void RtfTokenizerTest::tokens() {
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QString error;
    QCOMPARE(describe(input, &error), expected);
    QCOMPARE(error, QString());
}

void RtfTokenizerTest::malformedInputStops_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("tokensBeforeError");
    QTest::addColumn<QString>("errorStart");

    QTest::newRow("parameter beyond 32 bits") << QByteArray("{\\fs2147483648 x}") << "{"
                                              << "Numeric parameter out of range";
    QTest::newRow("negative parameter beyond 32 bits") << QByteArray("\\u-2147483649") << ""
                                                       << "Numeric parameter out of range";
    QTest::newRow("a thousand digits") << QByteArray("\\fs" + QByteArray(1000, '9')) << ""
                                       << "Numeric parameter out of range";
    QTest::newRow("word longer than 32 letters") << QByteArray("\\" + QByteArray(33, 'a')) << ""
                                                 << "Control word too long";
    QTest::newRow("hex escape at the end") << QByteArray("a\\'") << R"("a")"
                                           << "The file ends inside a \\' escape";
    QTest::newRow("hex escape with one digit at the end") << QByteArray("a\\'e") << R"("a")"
                                                          << "The file ends inside a \\' escape";
    QTest::newRow("hex escape with bad digits") << QByteArray("\\'zz") << ""
                                                << "Invalid \\' escape";
    QTest::newRow("backslash at the end") << QByteArray("a\\") << R"("a")"
                                          << "The file ends with a lone backslash";
    QTest::newRow("binary data past the end") << QByteArray("\\bin10 abc") << ""
                                              << "\\bin data runs past the end";
    QTest::newRow("binary length near the 32-bit limit") << QByteArray("\\bin2147483647 abc") << ""
                                                         << "\\bin data runs past the end";
    QTest::newRow("negative binary length") << QByteArray("\\bin-1 abc") << ""
                                            << "Negative \\bin length";
}

void RtfTokenizerTest::malformedInputStops() {
    QFETCH(QByteArray, input);
    QFETCH(QString, tokensBeforeError);
    QFETCH(QString, errorStart);
    QString error;
    QCOMPARE(describe(input, &error), tokensBeforeError);
    QVERIFY2(error.startsWith(errorStart), qPrintable(error));
}

QTEST_GUILESS_MAIN(RtfTokenizerTest)
#include "rtf_tokenizer_test.moc"
