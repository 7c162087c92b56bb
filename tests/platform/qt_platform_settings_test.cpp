// The real per-user settings store: texts come back exactly as saved, also after being read
// again from the file, and a store that cannot be written reports it.
#include "child_process.h"
#include "qt_platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace quillon;

namespace {

const QString kApplication = QStringLiteral("Myapp");
const QString kSection = QStringLiteral("Controls");
const QString kKey = QStringLiteral("gst");

} // namespace

class QtPlatformSettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        // A fresh store per test, never the user's own.
        m_store = std::make_unique<QTemporaryDir>();
        QVERIFY(m_store->isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_store->path());
    }
    void cleanup() { m_store.reset(); }

    void savedTextReadBackUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("12.5") << "12.5";
        QTest::newRow("abc") << "abc";
        QTest::newRow("equals sign") << "=";
        QTest::newRow("key-like text") << "gst=5";
        QTest::newRow("semicolon") << ";";
        QTest::newRow("hash") << "#";
        QTest::newRow("double quotes") << "\"10\"";
        QTest::newRow("single quote") << "it's";
        QTest::newRow("backslashes") << "a\\b\\\\c\\";
        QTest::newRow("comma, read as a list if unquoted") << "1,5";
        QTest::newRow("section-like text") << "[Controls]";
        QTest::newRow("at sign, read as a variant if unescaped") << "@Invalid()";
        QTest::newRow("non-ASCII letters") << QStringLiteral("Müller ÄÖÜ ß € 日本");
        QTest::newRow("leading and trailing blanks") << " 10 ";
        QTest::newRow("tab") << "1\t0";
        QTest::newRow("empty text") << "";
        QTest::newRow("1,000 characters")
            << QString(1000, QLatin1Char('x')).replace(7, 3, QStringLiteral("=;#"));
    }
    void savedTextReadBackUnchanged() {
        QFETCH(QString, value);
        QtPlatform platform;
        QCOMPARE(platform.saveSetting(kApplication, kSection, kKey, value), std::nullopt);
        const QString file = QDir(m_store->path()).filePath(kApplication + QLatin1String(".conf"));
        QVERIFY2(QFile::exists(file), qPrintable(file));

        // Make the file look changed, so that the next read parses it instead of reusing what
        // this process wrote.
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadWrite));
        QVERIFY(stored.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                                   QFileDevice::FileModificationTime));
        stored.close();

        QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QStringLiteral("none")),
                 value);
    }

    void laterSaveReplacesEarlierOne() {
        QtPlatform platform;
        QCOMPARE(platform.saveSetting(kApplication, kSection, kKey, QStringLiteral("12.5")),
                 std::nullopt);
        QCOMPARE(platform.saveSetting(kApplication, kSection, kKey, QString()), std::nullopt);
        QCOMPARE(platform.readSetting(kApplication, kSection, kKey, QStringLiteral("none")),
                 QString());
    }

    void absentKeyGivesDefault() {
        QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QStringLiteral("none")),
                 QStringLiteral("none"));
        QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QString()), QString());
    }

    // A settings file kept in a dotfiles folder behind a link, readable by its owner alone, beside
    // an administrator's system-wide file: saving changes the linked file, keeps its mode, and
    // writes none of the administrator's keys into it.
    void saveKeepsLinkModeAndOnlyTheUsersKeys() {
        const QString dotfiles = m_store->filePath(QStringLiteral("dotfiles"));
        const QString system = m_store->filePath(QStringLiteral("system"));
        const QString user = m_store->filePath(QStringLiteral("user"));
        QVERIFY(QDir().mkpath(dotfiles) && QDir().mkpath(system) && QDir().mkpath(user));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system);
        const QString target = QDir(dotfiles).filePath(QStringLiteral("Myapp.conf"));
        const QString link = QDir(user).filePath(QStringLiteral("Myapp.conf"));
        writeText(target, "[Controls]\ngst=10\n");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(target, link));
        const QFile::Permissions mode = QFile::permissions(target);
        writeText(QDir(system).filePath(QStringLiteral("Myapp.conf")), "[Site]\nprinter=office\n");

        QCOMPARE(QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("12.5")),
                 std::nullopt);

        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(QFile::permissions(target), mode);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray content = saved.readAll();
        QVERIFY2(content.contains("gst=12.5"), content.constData());
        QVERIFY2(!content.contains("printer"), content.constData());
    }

    // The administrator's system-wide file is read as defaults only: a damaged one neither stops
    // the user's rate from being saved nor is blamed on the user's file.
    void damagedSystemFileDoesNotStopTheSave() {
        const QString system = m_store->filePath(QStringLiteral("system"));
        QVERIFY(QDir().mkpath(system));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system);
        const QString damaged = QDir(system).filePath(QStringLiteral("Myapp.conf"));
        writeText(damaged, "[Site\nprinter=office\n");

        QCOMPARE(QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("12.5")),
                 std::nullopt);

        QCOMPARE(QtPlatform().readSetting(kApplication, kSection, kKey, QStringLiteral("none")),
                 QStringLiteral("12.5"));
    }

    // The drafts a save writes beside the settings file are as private as the file itself, and
    // the drafts of a copy that ended in the middle of a save are cleared by the next save.
    void draftsArePrivateAndNeverPileUp() {
        const QString file = QDir(m_store->path()).filePath(QStringLiteral("Myapp.conf"));
        writeText(file, "[Controls]\ngst=10\n");
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
        const QStringList draftNames{QStringLiteral("Myapp.conf.*.new")};

        // A copy that can remove nothing leaves its drafts behind, as one that dies does.
        const std::optional<QString> reason = reasonInChild(
            [] {
                return failSystemCalls({__NR_unlink, __NR_unlinkat}, EPERM);
            },
            [] {
                return QtPlatform().saveSetting(kApplication, kSection, kKey,
                                                QStringLiteral("12.5"));
            });
        QVERIFY2(reason.has_value(), "no system-call filter can be set here");
        const QDir store(m_store->path());
        const QStringList left = store.entryList(draftNames, QDir::Files | QDir::Hidden);
        QVERIFY(!left.isEmpty());
        for (const QString &draft : left)
            QCOMPARE(QFile::permissions(store.filePath(draft)), QFile::permissions(file));

        QCOMPARE(QtPlatform().saveSetting(kApplication, kSection, kKey, QStringLiteral("15")),
                 std::nullopt);
        QCOMPARE(store.entryList(draftNames, QDir::Files | QDir::Hidden), QStringList());
    }

    void unwritableStoreReportsError() {
        // The store's folder would have to be made inside a regular file, which no user can do.
        const QString blocker = m_store->filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           blocker + QLatin1String("/config"));

        QtPlatform platform;
        const std::optional<QString> error =
            platform.saveSetting(kApplication, kSection, kKey, QStringLiteral("12.5"));
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(kApplication), qPrintable(*error));
        QCOMPARE(platform.readSetting(kApplication, kSection, kKey, QStringLiteral("none")),
                 QStringLiteral("none"));
    }

private:
    static void writeText(const QString &path, const QByteArray &text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    }

    std::unique_ptr<QTemporaryDir> m_store;
};

QTEST_GUILESS_MAIN(QtPlatformSettingsTest)
#include "qt_platform_settings_test.moc"
