// The settings store in the registry: a text saved is a plain string value under the key the
// program this one replaces used, and reads back unchanged.
#include "qt_platform.h"

#include <QCoreApplication>
#include <QTest>

#include <windows.h>

using namespace quillon;

namespace {

const QString kSection = QStringLiteral("Controls");
const QString kKey = QStringLiteral("gst");

const wchar_t *wide(const QString &text) {
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

} // namespace

class SettingsStoreWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        // An application name of this run's own, so the test never meets the user's settings.
        m_application = QStringLiteral("QuillonTest%1").arg(QCoreApplication::applicationPid());
    }
    void cleanup() {
        RegDeleteTreeW(HKEY_CURRENT_USER, wide(applicationKey()));
    }

    void savedTextIsAPlainStringValue_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("rate") << "12.5";
        QTest::newRow("empty text") << "";
        QTest::newRow("at sign, escaped by QSettings") << "@Invalid()";
        QTest::newRow("non-ASCII letters") << QStringLiteral("Müller € 日本");
    }
    void savedTextIsAPlainStringValue() {
        QFETCH(QString, value);
        QtPlatform platform;
        QCOMPARE(platform.saveSetting(m_application, kSection, kKey, value), std::nullopt);

        wchar_t stored[256] = {};
        DWORD type = 0;
        DWORD bytes = sizeof(stored);
        QCOMPARE(RegGetValueW(HKEY_CURRENT_USER, wide(applicationKey() + "\\" + kSection),
                              wide(kKey), RRF_RT_ANY, &type, stored, &bytes),
                 LSTATUS(ERROR_SUCCESS));
        QCOMPARE(type, DWORD(REG_SZ));
        QCOMPARE(QString::fromWCharArray(stored), value);
        QCOMPARE(platform.readSetting(m_application, kSection, kKey, QStringLiteral("default")),
                 value);
    }

    void missingValueGivesTheDefault() {
        QtPlatform platform;
        QCOMPARE(platform.readSetting(m_application, kSection, kKey, QStringLiteral("5")),
                 QStringLiteral("5"));
    }

private:
    QString applicationKey() const {
        return QStringLiteral("Software\\VB and VBA Program Settings\\") + m_application;
    }

    QString m_application;
};

QTEST_GUILESS_MAIN(SettingsStoreWindowsTest)
#include "settings_store_windows_test.moc"
