#include "memory_summary.h"

#include <QLocale>
#include <QTest>

using quillon::MemoryFigures;
using quillon::memorySummaryText;

namespace {

// The seven labels, in order; each 23 characters.
const QStringList labels{
    QStringLiteral("% used:                "), QStringLiteral("Total physical memory: "),
    QStringLiteral("Physical memory free:  "), QStringLiteral("Total page file size:  "),
    QStringLiteral("Free page file size:   "), QStringLiteral("Total virtual memory:  "),
    QStringLiteral("Free virtual memory:   "),
};

MemoryFigures allFigures(quint64 figure) {
    return {figure, figure, figure, figure, figure, figure, figure};
}

} // namespace

class MemorySummaryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void wholeSummary() {
        const MemoryFigures figures{37,        134217728,  20971520,  402653184,
                                    301989888, 2147352576, 2112880640};
        QCOMPARE(memorySummaryText(figures),
                 QStringLiteral("% used:                         37\r\n"
                                "Total physical memory:   134217728\r\n"
                                "Physical memory free:     20971520\r\n"
                                "Total page file size:    402653184\r\n"
                                "Free page file size:     301989888\r\n"
                                "Total virtual memory:   2147352576\r\n"
                                "Free virtual memory:    2112880640\r\n"));
    }

    void valueField_data() {
        QTest::addColumn<quint64>("figure");
        QTest::addColumn<QString>("field");
        QTest::newRow("zero: ten spaces and 0") << quint64(0) << QStringLiteral("          0");
        QTest::newRow("3,221,225,472: ten digits behind one space")
            << quint64(3221225472) << QStringLiteral(" 3221225472");
        QTest::newRow("4,294,967,295: the widest 32-bit figure")
            << quint64(4294967295) << QStringLiteral(" 4294967295");
        QTest::newRow("4,294,967,296: past 32 bits, shown whole")
            << quint64(4294967296) << QStringLiteral(" 4294967296");
        QTest::newRow("17,179,869,184 (16 GiB): eleven digits behind one space")
            << quint64(17179869184) << QStringLiteral(" 17179869184");
        QTest::newRow("largest 64-bit figure")
            << quint64(18446744073709551615ULL) << QStringLiteral(" 18446744073709551615");
    }

    void valueField() {
        QFETCH(quint64, figure);
        QFETCH(QString, field);
        QString expected;
        for (const QString &label : labels)
            expected += label + field + QStringLiteral("\r\n");
        QCOMPARE(memorySummaryText(allFigures(figure)), expected);
    }

    void eachFigureOnItsOwnLine() {
        const MemoryFigures figures{1, 2, 3, 4, 5, 6, 7};
        const QStringList lines = memorySummaryText(figures).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(lines[i].size(), 34);
            QCOMPARE(lines[i].left(23), labels[i]);
            QCOMPARE(lines[i].mid(23).trimmed(), QString::number(i + 1));
        }
    }

    void figuresIgnoreTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = memorySummaryText(allFigures(1234567890));
        QLocale::setDefault(QLocale::c());
        QVERIFY(text.startsWith(QStringLiteral("% used:                 1234567890\r\n")));
        QVERIFY(!text.contains(QLatin1Char('.')));
    }
};

QTEST_GUILESS_MAIN(MemorySummaryTest)
#include "memory_summary_test.moc"
