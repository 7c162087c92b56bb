// What the file layer does with what only Windows has: files held open without sharing, and
// pipes that open by a name like a file's.
#include "safe_file.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace quillon;

class SafeFileWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replaceKeepsTheOldFileWhenTheMoveFails();
    void readRefusesAPipe();
};

// Another program (an editor, a virus scanner) holds the file open and shares it with no one,
// so the new file cannot be moved into its place.
void SafeFileWindowsTest::replaceKeepsTheOldFileWhenTheMoveFails() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    QVERIFY(writeFile(path, "old\r\n"));
    const HANDLE held =
        CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    const std::optional<QString> failed = replaceFile(path, QByteArrayView("new\r\n"));
    CloseHandle(held);
    QVERIFY(failed.has_value());
    QVERIFY2(failed->contains(QDir::toNativeSeparators(path)), qPrintable(*failed));
    QCOMPARE(readFile(path), QByteArray("old\r\n"));
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden),
             QStringList{"quote.txt"});
}

// Reading a pipe would wait for a writer that never comes.
void SafeFileWindowsTest::readRefusesAPipe() {
    const QString name = QStringLiteral("\\\\.\\pipe\\quillon-test-%1").arg(GetCurrentProcessId());
    const HANDLE pipe = CreateNamedPipeW(name.toStdWString().c_str(), PIPE_ACCESS_DUPLEX,
                                         PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    QVERIFY(pipe != INVALID_HANDLE_VALUE);
    const FileContent content = readRegularFile(name, 1 << 20);
    CloseHandle(pipe);
    QVERIFY(content.error.has_value());
    QVERIFY2(content.error->contains(QLatin1String("not a regular file")),
             qPrintable(*content.error));
}

QTEST_GUILESS_MAIN(SafeFileWindowsTest)
#include "safe_file_windows_test.moc"
