// Reading and replacing files through the file layer directly.
#include "safe_file.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class SafeFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readGivesWhatTheFileHolds_data();
    void readGivesWhatTheFileHolds();
};

void SafeFileTest::readGivesWhatTheFileHolds_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("maxSize");
    QTest::addColumn<bool>("tooLarge");

    const QByteArray setting = "[Controls]\r\ngst=12.5\r\n";
    QTest::newRow("small file") << setting << qint64(1024) << false;
    QTest::newRow("empty file") << QByteArray() << qint64(1024) << false;
    QTest::newRow("file of exactly the limit") << setting << qint64(setting.size()) << false;
    QTest::newRow("file one byte over the limit") << setting << qint64(setting.size() - 1) << true;
    // A read that reserved its limit first would ask for more memory than any machine has.
    QTest::newRow("small file under a limit far beyond memory")
        << setting << (qint64(1) << 44) << false;
}

void SafeFileTest::readGivesWhatTheFileHolds() {
    QFETCH(QByteArray, content);
    QFETCH(qint64, maxSize);
    QFETCH(bool, tooLarge);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Myapp.conf"));
    QVERIFY(writeFile(path, content));

    const FileContent read = readRegularFile(path, maxSize);

    QCOMPARE(read.error.has_value(), tooLarge);
    QCOMPARE(read.bytes, tooLarge ? QByteArray() : content);
}

QTEST_GUILESS_MAIN(SafeFileTest)
#include "safe_file_test.moc"
