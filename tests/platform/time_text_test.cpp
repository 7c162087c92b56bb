// The time line of a quote: the locale's long time format without its time-zone name, in every
// locale Qt knows.
#include "time_text.h"

#include <QRegularExpression>
#include <QTest>

using namespace quillon;

class TimeTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sample_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US, no zone to remove but at the end") << "en_US"
                                                                 << "2:05:09 PM";
        QTest::newRow("es_ES, zone in brackets") << "es_ES"
                                                 << "14:05:09";
        QTest::newRow("be_BY, zone after a comma") << "be_BY"
                                                   << "14:05:09";
        QTest::newRow("zh_TW, day period B and zone in square brackets") << "zh_TW"
                                                                         << "下午2:05:09";
        QTest::newRow("zh_HK, zone first") << "zh_HK"
                                           << "下午2:05:09";
        QTest::newRow("bg_BG, quoted text kept") << "bg_BG"
                                                 << "14:05:09 ч.";
    }
    void sample() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(longTimeText(QLocale(locale), QTime(14, 5, 9)), text);
    }

    void everyLocale() {
        const QTime time(14, 5, 9);
        static const QRegularExpression leftOver(
            QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|^[\\s,،，]|[\\s,،，]$"));
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 300);
        for (const QLocale &locale : locales) {
            const QString format = locale.timeFormat(QLocale::LongFormat);
            const QString text = longTimeText(locale, time);
            const QString where =
                locale.name() + QStringLiteral(": ") + format + QStringLiteral(" -> ") + text;
            const QString zone = locale.toString(time, QStringLiteral("t"));
            QVERIFY2(zone.isEmpty() || !text.contains(zone), qPrintable(where));
            QVERIFY2(!text.contains(leftOver), qPrintable(where));
            const QString unquoted =
                QString(format).remove(QRegularExpression(QStringLiteral("'[^']*'")));
            if (!unquoted.contains(QLatin1Char('t')) && !unquoted.contains(QLatin1Char('B')))
                QVERIFY2(text == locale.toString(time, QLocale::LongFormat), qPrintable(where));
            else if (unquoted.contains(QLatin1Char('B')))
                QVERIFY2(!text.contains(QLatin1Char('B')), qPrintable(where));
        }
    }
};

QTEST_GUILESS_MAIN(TimeTextTest)
#include "time_text_test.moc"
