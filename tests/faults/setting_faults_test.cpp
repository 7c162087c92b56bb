// The GST rate setting through the real settings store: saved at shutdown against a read-only
// folder, a missing folder, a full disk and a file replaced by a folder; read at start-up from a
// missing, unreadable, empty, binary and 50 MB file. A failed save is reported and leaves the
// stored setting as it was; a bad file never stops the start-up.
#include "fault_injection.h"
#include "qt_platform.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;
using namespace quillon::faults;

namespace {

const QString kApplication = QStringLiteral("Myapp");
const QString kSection = QStringLiteral("Controls");
const QString kKey = QStringLiteral("gst");
const QByteArray kStored = "[Controls]\ngst=12.5\n";

enum class Fault { ReadOnlyFolder, MissingFolder, FullDisk, FileIsFolder };
enum class Content { Missing, Unreadable, Empty, Binary, Huge };

// Bytes no settings file holds: every byte value, NULs and line ends included, in an order
// fixed by the seed.
QByteArray binaryBytes(qsizetype size) {
    QRandomGenerator random(20050715);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

} // namespace

class SettingFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        // A store of its own for every row: the settings files read earlier are cached by path.
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_store = m_root->filePath(QStringLiteral("config"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_store);
    }
    void cleanup() { m_root.reset(); }

    void failedSaveKeepsTheStoredSetting_data();
    void failedSaveKeepsTheStoredSetting();
    void missingFolderIsMade();
    void badFileNeverStopsStartUp_data();
    void badFileNeverStopsStartUp();

private:
    QString settingsFile() const {
        return QDir(m_store).filePath(kApplication + QStringLiteral(".conf"));
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_store;
};

void SettingFaultsTest::failedSaveKeepsTheStoredSetting_data() {
    QTest::addColumn<Fault>("fault");
    // A folder that cannot be made is tried by the settings store's own test.
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder;
    QTest::newRow("full disk") << Fault::FullDisk;
    QTest::newRow("settings file replaced by a folder") << Fault::FileIsFolder;
}

void SettingFaultsTest::failedSaveKeepsTheStoredSetting() {
    QFETCH(Fault, fault);
    std::optional<FullDisk> disk;
    if (fault == Fault::FullDisk)
        disk.emplace(m_store);
    QVERIFY(QDir().mkpath(m_store));
    QVERIFY(writeFile(settingsFile(), kStored));

    QString keptFile = settingsFile();
    std::optional<ReadOnlyFolder> readOnly;
    switch (fault) {
    case Fault::ReadOnlyFolder:
        readOnly.emplace(m_store);
        if (!readOnly->bites())
            QSKIP("permissions do not stop this user (root) from writing");
        break;
    case Fault::FullDisk:
        disk->fill();
        break;
    case Fault::FileIsFolder:
        keptFile = QDir(settingsFile()).filePath(QStringLiteral("keep"));
        QVERIFY(QFile::remove(settingsFile()));
        QVERIFY(QDir().mkdir(settingsFile()));
        QVERIFY(writeFile(keptFile, kStored));
        break;
    case Fault::MissingFolder:
        QFAIL("not a fault of this test");
    }
    const QStringList entries = folderEntries(m_store);

    // A rate long enough that the new file cannot fit where the old one did.
    const std::optional<QString> error =
        QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("15").repeated(300));

    QVERIFY(error.has_value());
    QVERIFY2(error->contains(QDir::toNativeSeparators(settingsFile())), qPrintable(*error));
    QCOMPARE(readFile(keptFile), kStored);
    QCOMPARE(folderEntries(m_store), entries);
}

void SettingFaultsTest::missingFolderIsMade() {
    QVERIFY(!QFileInfo::exists(m_store));
    QCOMPARE(QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("12.5")),
             std::nullopt);
    QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QString()),
             QStringLiteral("12.5"));
}

void SettingFaultsTest::badFileNeverStopsStartUp_data() {
    QTest::addColumn<Content>("content");
    QTest::addColumn<QString>("expected"); // the rate read
    // Whether the shutdown after such a start-up stores the rate; else it says why not and
    // leaves the file as it was.
    QTest::addColumn<bool>("saved");

    QTest::newRow("missing file gives the default") << Content::Missing << "default" << true;
    QTest::newRow("unreadable file gives the default") << Content::Unreadable << "default" << false;
    QTest::newRow("empty file gives the default") << Content::Empty << "default" << true;
    // Its stray bytes would not survive a rewrite.
    QTest::newRow("binary file gives the default and is kept")
        << Content::Binary << "default" << false;
    QTest::newRow("50 MB file still gives its rate") << Content::Huge << "12.5" << true;
}

void SettingFaultsTest::badFileNeverStopsStartUp() {
    QFETCH(Content, content);
    QFETCH(QString, expected);
    QFETCH(bool, saved);

    QVERIFY(QDir().mkpath(m_store));
    QByteArray bytes;
    switch (content) {
    case Content::Missing:
        break;
    case Content::Unreadable:
    case Content::Empty:
        QVERIFY(writeFile(settingsFile(), bytes));
        break;
    case Content::Binary:
        bytes = binaryBytes(64 * 1024);
        QVERIFY(writeFile(settingsFile(), bytes));
        break;
    case Content::Huge:
        // Fifty megabytes of other settings, the rate last.
        bytes =
            QByteArray("[Other]\n") +
            QByteArray("note=a long line of text that nobody reads\n").repeated((50 << 20) / 43) +
            kStored;
        QVERIFY(writeFile(settingsFile(), bytes));
        break;
    }
    if (content == Content::Unreadable) {
        QVERIFY(writeFile(settingsFile(), kStored));
        bytes = kStored;
        QVERIFY(QFile::setPermissions(settingsFile(), QFile::WriteOwner));
        QFile probe(settingsFile());
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not stop this user (root) from reading");
    }

    const QString read =
        QtPlatform().readSetting(kApplication, kSection, kKey, QStringLiteral("default"));
    QCOMPARE(read, expected);
    // Reading never changes the file.
    if (content != Content::Unreadable)
        QCOMPARE(readFile(settingsFile()), bytes);

    const std::optional<QString> error =
        QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("15"));
    QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(error.has_value(), !saved);
    if (error) {
        QVERIFY2(error->contains(QDir::toNativeSeparators(settingsFile())), qPrintable(*error));
        QCOMPARE(readFile(settingsFile()), bytes);
    } else {
        QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QString()),
                 QStringLiteral("15"));
    }
}

QTEST_GUILESS_MAIN(SettingFaultsTest)
#include "setting_faults_test.moc"
