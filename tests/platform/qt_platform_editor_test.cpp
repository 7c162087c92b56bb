// The real platform's text editor on Linux goes through the desktop's xdg-open, which can start
// and still fail (no editor behind it). A stand-in xdg-open on PATH plays each case.
#include "qt_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class QtPlatformEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opener_data() {
        QTest::addColumn<QString>("script"); // the stand-in's body; empty for none on PATH
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("failure");
        QTest::newRow("opener that opens the file") << "exit 0" << true << QString();
        QTest::newRow("opener with no editor behind it")
            << "exit 3" << true << QStringLiteral("the desktop has no program for text files");
        QTest::newRow("editor that showed the file and ended with status 1")
            << "exit 1" << true << QString();
        QTest::newRow("no opener at all") << QString() << false << QString();
    }
    void opener() {
        QFETCH(QString, script);
        QFETCH(bool, started);
        QFETCH(QString, failure);
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        if (!script.isEmpty()) {
            QFile opener(bin.filePath(QStringLiteral("xdg-open")));
            QVERIFY(opener.open(QIODevice::WriteOnly));
            opener.write("#!/bin/sh\n" + script.toUtf8() + "\n");
            opener.close();
            QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));

        QtPlatform platform;
        QStringList failures;
        const bool opened = platform.openInTextEditor(
            bin.filePath(QStringLiteral("quote.txt")),
            [&failures](const QString &reason) { failures.append(reason); });
        qputenv("PATH", path);

        QCOMPARE(opened, started);
        if (failure.isEmpty()) {
            // A successful opener ends without a word; give it the time to say one.
            QTest::qWait(300);
            QCOMPARE(failures, QStringList());
        } else {
            QTRY_COMPARE(failures, QStringList{failure});
        }
    }
};

QTEST_MAIN(QtPlatformEditorTest)
#include "qt_platform_editor_test.moc"
