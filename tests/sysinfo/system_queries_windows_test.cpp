// The real Windows readers, under Wine: the user's name is the one its run names (Wine takes it
// from USER, which the test's run sets to a name outside every single-byte code page).
#include "system_queries.h"

#include <QTest>

namespace queries = quillon::system_queries;

class SystemQueriesWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void userNameOutsideTheCodePageIsWhole() {
        QCOMPARE(queries::userName(), std::optional(QString::fromUtf8("Jürgen 名")));
    }
};

QTEST_GUILESS_MAIN(SystemQueriesWindowsTest)
#include "system_queries_windows_test.moc"
