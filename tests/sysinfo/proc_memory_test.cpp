#include "proc_memory.h"

#include <QTest>

using quillon::MemoryFigures;
using quillon::memoryFiguresFromProc;
using quillon::procFieldBytes;
using quillon::userAddressSpace;

using OptionalBytes = std::optional<quint64>;
Q_DECLARE_METATYPE(OptionalBytes)
Q_DECLARE_METATYPE(quillon::MemoryFigures)

namespace quillon {

// Lets QCOMPARE show the figures when they differ.
char *toString(const MemoryFigures &f) {
    return QTest::toString(QStringLiteral("{%1, %2, %3, %4, %5, %6, %7}")
                               .arg(f.loadPercent)
                               .arg(f.totalPhysical)
                               .arg(f.availablePhysical)
                               .arg(f.totalPageFile)
                               .arg(f.availablePageFile)
                               .arg(f.totalVirtual)
                               .arg(f.availableVirtual));
}

} // namespace quillon

namespace {

constexpr quint64 KiB = 1024;
constexpr quint64 testAddressSpace = quint64(1) << 47;

// An excerpt of a real /proc/meminfo.
const QByteArray meminfo = "MemTotal:       16000000 kB\n"
                           "MemFree:         2000000 kB\n"
                           "MemAvailable:    6000000 kB\n"
                           "Buffers:          300000 kB\n"
                           "SwapCached:            0 kB\n"
                           "SwapTotal:       4000000 kB\n"
                           "SwapFree:        3000000 kB\n"
                           "HugePages_Total:       0\n"
                           "Hugepagesize:       2048 kB\n";

// An excerpt of a real /proc/self/status.
const QByteArray status = "Name:\tcat\n"
                          "VmPeak:\t    9000 kB\n"
                          "VmSize:\t    8000 kB\n"
                          "VmRSS:\t    1000 kB\n";

} // namespace

class ProcMemoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void field_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<OptionalBytes>("expected");

        QTest::newRow("meminfo field")
            << meminfo << QByteArray("MemAvailable") << OptionalBytes(6000000 * KiB);
        QTest::newRow("status field, tab separated")
            << status << QByteArray("VmSize") << OptionalBytes(8000 * KiB);
        QTest::newRow("last line without line feed")
            << QByteArray("A: 1 kB\nVmSize: 5 kB") << QByteArray("VmSize")
            << OptionalBytes(5 * KiB);
        QTest::newRow("CR LF lines") << QByteArray("VmSize: 5 kB\r\nX: 1 kB\r\n")
                                     << QByteArray("VmSize") << OptionalBytes(5 * KiB);
        QTest::newRow("zero") << QByteArray("SwapTotal:  0 kB\n") << QByteArray("SwapTotal")
                              << OptionalBytes(0);
        QTest::newRow("first of two lines counts") << QByteArray("VmSize: 1 kB\nVmSize: 2 kB\n")
                                                   << QByteArray("VmSize") << OptionalBytes(KiB);
        QTest::newRow("largest count whose bytes fit")
            << QByteArray("X: 18014398509481983 kB\n") << QByteArray("X")
            << OptionalBytes(18014398509481983ULL * KiB);
        QTest::newRow("missing field") << meminfo << QByteArray("VmSize") << OptionalBytes();
        QTest::newRow("empty text") << QByteArray() << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("longer key is another field")
            << QByteArray("MemTotalX: 5 kB\n") << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("key in the middle of a line")
            << QByteArray("XMemTotal: 5 kB\n") << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("no unit") << meminfo << QByteArray("HugePages_Total") << OptionalBytes();
        QTest::newRow("other unit")
            << QByteArray("MemTotal: 5 MB\n") << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("negative") << QByteArray("MemTotal: -5 kB\n") << QByteArray("MemTotal")
                                  << OptionalBytes();
        QTest::newRow("letters") << QByteArray("MemTotal: 5x5 kB\n") << QByteArray("MemTotal")
                                 << OptionalBytes();
        QTest::newRow("no digits")
            << QByteArray("MemTotal:  kB\n") << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("bytes beyond 64 bits") << QByteArray("MemTotal: 18014398509481984 kB\n")
                                              << QByteArray("MemTotal") << OptionalBytes();
        QTest::newRow("count beyond 64 bits")
            << QByteArray("MemTotal: 99999999999999999999999 kB\n") << QByteArray("MemTotal")
            << OptionalBytes();
    }

    void field() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, key);
        QFETCH(OptionalBytes, expected);
        QCOMPARE(procFieldBytes(text, key), expected);
    }

    void figuresFromSampleTexts() {
        const MemoryFigures figures = memoryFiguresFromProc(meminfo, status, testAddressSpace);
        QCOMPARE(figures.loadPercent, quint64(62)); // 10,000,000 of 16,000,000 in use: 62.5
        QCOMPARE(figures.totalPhysical, 16000000 * KiB);
        QCOMPARE(figures.availablePhysical, 6000000 * KiB);
        QCOMPARE(figures.totalPageFile, 20000000 * KiB);
        QCOMPARE(figures.availablePageFile, 9000000 * KiB);
        QCOMPARE(figures.totalVirtual, testAddressSpace);
        QCOMPARE(figures.availableVirtual, testAddressSpace - 8000 * KiB);
    }

    void missingAndGarbageFieldsGiveZero_data() {
        QTest::addColumn<QByteArray>("meminfoText");
        QTest::addColumn<QByteArray>("statusText");
        QTest::addColumn<MemoryFigures>("expected");

        QTest::newRow("nothing readable")
            << QByteArray() << QByteArray() << MemoryFigures{0, 0, 0, 0, 0, testAddressSpace, 0};
        QTest::newRow("garbage") << QByteArray("\x01\xff garbage\nMemTotal: lots\n:::\n")
                                 << QByteArray("VmSize: ?? kB")
                                 << MemoryFigures{0, 0, 0, 0, 0, testAddressSpace, 0};
        QTest::newRow("MemAvailable missing: load, free and free page file 0")
            << QByteArray("MemTotal: 100 kB\nSwapTotal: 50 kB\nSwapFree: 20 kB\n") << status
            << MemoryFigures{
                   0, 100 * KiB, 0, 150 * KiB, 0, testAddressSpace, testAddressSpace - 8000 * KiB};
        QTest::newRow("swap fields missing: page-file figures 0")
            << QByteArray("MemTotal: 100 kB\nMemAvailable: 25 kB\n") << status
            << MemoryFigures{
                   75, 100 * KiB, 25 * KiB, 0, 0, testAddressSpace, testAddressSpace - 8000 * KiB};
        QTest::newRow("MemTotal 0: load 0, no division by zero")
            << QByteArray("MemTotal: 0 kB\nMemAvailable: 0 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n")
            << status
            << MemoryFigures{0, 0, 0, 0, 0, testAddressSpace, testAddressSpace - 8000 * KiB};
        QTest::newRow("more available than total: load 0, no underflow")
            << QByteArray("MemTotal: 100 kB\nMemAvailable: 200 kB\nSwapTotal: 0 kB\nSwapFree: 0 "
                          "kB\n")
            << status << MemoryFigures{0,
                                       100 * KiB,
                                       200 * KiB,
                                       100 * KiB,
                                       200 * KiB,
                                       testAddressSpace,
                                       testAddressSpace - 8000 * KiB};
        QTest::newRow("all in use: load 100")
            << QByteArray("MemTotal: 100 kB\nMemAvailable: 0 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n")
            << status << MemoryFigures{100,
                                       100 * KiB,
                                       0,
                                       100 * KiB,
                                       0,
                                       testAddressSpace,
                                       testAddressSpace - 8000 * KiB};
        QTest::newRow("VmSize beyond the address space: free virtual 0, no underflow")
            << meminfo << QByteArray("VmSize: 140737488355328 kB\n")
            << MemoryFigures{62,
                             16000000 * KiB,
                             6000000 * KiB,
                             20000000 * KiB,
                             9000000 * KiB,
                             testAddressSpace,
                             0};
        QTest::newRow("page-file sum beyond 64 bits: 0")
            << QByteArray("MemTotal: 18014398509481983 kB\nMemAvailable: 18014398509481983 kB\n"
                          "SwapTotal: 1 kB\nSwapFree: 1 kB\n")
            << status
            << MemoryFigures{0, 18014398509481983ULL * KiB, 18014398509481983ULL * KiB,   0,
                             0, testAddressSpace,           testAddressSpace - 8000 * KiB};
    }

    void missingAndGarbageFieldsGiveZero() {
        QFETCH(QByteArray, meminfoText);
        QFETCH(QByteArray, statusText);
        QFETCH(MemoryFigures, expected);
        QCOMPARE(memoryFiguresFromProc(meminfoText, statusText, testAddressSpace), expected);
    }

    void addressSpaceSize_data() {
        QTest::addColumn<OptionalBytes>("limit");
        QTest::addColumn<quint64>("expected");
        QTest::newRow("no limit: the architecture's") << OptionalBytes() << testAddressSpace;
        QTest::newRow("lower limit") << OptionalBytes(quint64(1) << 32) << (quint64(1) << 32);
        QTest::newRow("limit above the architecture's")
            << OptionalBytes(quint64(1) << 60) << testAddressSpace;
    }

    void addressSpaceSize() {
        QFETCH(OptionalBytes, limit);
        QFETCH(quint64, expected);
        QCOMPARE(userAddressSpace(limit, testAddressSpace), expected);
    }
};

QTEST_GUILESS_MAIN(ProcMemoryTest)
#include "proc_memory_test.moc"
