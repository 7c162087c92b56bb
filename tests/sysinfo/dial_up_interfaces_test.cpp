#include "dial_up_interfaces.h"

#include <QTest>

using quillon::activeDialUpNames;
using quillon::SysfsNetworkInterface;

using Interfaces = QList<SysfsNetworkInterface>;
Q_DECLARE_METATYPE(Interfaces)

namespace {

// An interface as sysfs shows it, each attribute text ending in a line feed.
SysfsNetworkInterface sysfs(const char *name, const char *type, const char *operState,
                            const char *flags, const char *index) {
    const auto attribute = [](const char *text) { return QByteArray(text) + '\n'; };
    return {QString::fromLatin1(name), attribute(type), attribute(operState), attribute(flags),
            attribute(index)};
}

} // namespace

class DialUpInterfacesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data() {
        QTest::addColumn<Interfaces>("interfaces");
        QTest::addColumn<QStringList>("names");

        const SysfsNetworkInterface loopback = sysfs("lo", "772", "unknown", "0x9", "1");
        const SysfsNetworkInterface ethernet = sysfs("eth0", "1", "up", "0x1003", "2");
        QTest::newRow("no interfaces") << Interfaces{} << QStringList{};
        QTest::newRow("loopback and Ethernet are no dial-up links")
            << Interfaces{loopback, ethernet} << QStringList{};
        QTest::newRow("PPP link up")
            << Interfaces{loopback, ethernet, sysfs("ppp0", "512", "up", "0x1091", "5")}
            << QStringList{QStringLiteral("ppp0")};
        QTest::newRow("PPP link state unknown, up flag set")
            << Interfaces{sysfs("ppp0", "512", "unknown", "0x10d1", "5")}
            << QStringList{QStringLiteral("ppp0")};
        QTest::newRow("PPP link state unknown, up flag clear")
            << Interfaces{sysfs("ppp0", "512", "unknown", "0x1090", "5")} << QStringList{};
        QTest::newRow("PPP link down")
            << Interfaces{sysfs("ppp0", "512", "down", "0x1091", "5")} << QStringList{};
        QTest::newRow("PPP link dormant")
            << Interfaces{sysfs("ppp0", "512", "dormant", "0x1091", "5")} << QStringList{};
        QTest::newRow("in index order, not name order")
            << Interfaces{sysfs("office", "512", "up", "0x1091", "9"),
                          sysfs("home", "512", "up", "0x1091", "10"),
                          sysfs("branch", "512", "up", "0x1091", "7")}
            << QStringList{QStringLiteral("branch"), QStringLiteral("office"),
                           QStringLiteral("home")};
        QTest::newRow("attributes without line feed")
            << Interfaces{{QStringLiteral("ppp1"), "512", "up", "0x1", "3"}}
            << QStringList{QStringLiteral("ppp1")};
        QTest::newRow("unreadable type left out")
            << Interfaces{sysfs("ppp0", "", "up", "0x1091", "5"),
                          sysfs("ppp1", "512", "up", "0x1091", "6")}
            << QStringList{QStringLiteral("ppp1")};
        QTest::newRow("unreadable index left out")
            << Interfaces{sysfs("ppp0", "512", "up", "0x1091", "x")} << QStringList{};
        QTest::newRow("unreadable flags with state unknown left out")
            << Interfaces{sysfs("ppp0", "512", "unknown", "", "5")} << QStringList{};
        QTest::newRow("garbage type")
            << Interfaces{sysfs("ppp0", "512abc", "up", "0x1", "5")} << QStringList{};
    }

    void names() {
        QFETCH(Interfaces, interfaces);
        QFETCH(QStringList, names);
        QCOMPARE(activeDialUpNames(interfaces), names);
    }
};

QTEST_GUILESS_MAIN(DialUpInterfacesTest)
#include "dial_up_interfaces_test.moc"
