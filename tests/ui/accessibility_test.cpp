// What a screen reader finds in the windows: text boxes named by their captions, results described
// by theirs, the two hidden windows nowhere in the tree, the report window in reading order; and
// every command of the Calculator page within reach of the keyboard alone.
#include "greeting_window.h"
#include "hyperlink_label.h"
#include "main_window_fixture.h"
#include "report_tab.h"
#include "uptime_window.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace quillon;

namespace {

// Tab indexes.
constexpr int kCalculator = 0, kAbout = 2, kSysInfo = 3;

QAccessibleInterface *accessible(QObject *object) {
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

// Every object a screen reader can reach from `root` by walking down the tree.
QList<QObject *> reachableFrom(QAccessibleInterface *root) {
    QList<QObject *> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (child->object())
            found.append(child->object());
        found.append(reachableFrom(child));
    }
    return found;
}

QList<QObject *> labelsOf(QAccessibleInterface *interface) {
    QList<QObject *> labels;
    const auto relations = interface->relations(QAccessible::Label);
    for (const auto &relation : relations)
        labels.append(relation.first->object());
    return labels;
}

} // namespace

class AccessibilityTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void controlsNamedAndDescribed_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("price box by its caption") << kCalculator << "Text1"
                                                  << "Purchase Price GST Included"
                                                  << "";
        QTest::newRow("rate box by its caption") << kCalculator << "Text9"
                                                 << "GST Rate"
                                                 << "";
        QTest::newRow("result keeps its text, described by its caption") << kCalculator << "Label1"
                                                                         << "0"
                                                                         << "GST Paid";
        QTest::newRow("activity result") << kCalculator << "Label34"
                                         << "0"
                                         << "Net GST Owing / Claimed";
        QTest::newRow("last result") << kCalculator << "Label20"
                                     << "0"
                                     << "Profit after GST";
        QTest::newRow("button by its caption") << kCalculator << "Command1"
                                               << "Calculate"
                                               << "";
        QTest::newRow("option by its caption") << kCalculator << "Option2"
                                               << "10%"
                                               << "";
        QTest::newRow("custom option") << kCalculator << "Option9"
                                       << "Custom Markup %"
                                       << "";
        QTest::newRow("description box") << kAbout << "Text2"
                                         << "Description"
                                         << "";
        QTest::newRow("contact box") << kAbout << "Text3"
                                     << "Contact details"
                                     << "";
        QTest::newRow("logo") << kAbout << "Image1"
                              << "Vellan Computers logo"
                              << "";
        QTest::newRow("link, described by its address") << kAbout << "HLink1"
                                                        << "Home Page"
                                                        << "https://www.vellan.example.com/";
        QTest::newRow("memory box by its heading") << kSysInfo << "Text4"
                                                   << "System Memory"
                                                   << "";
        QTest::newRow("connection box by its heading") << kSysInfo << "txtResults"
                                                       << "You are"
                                                       << "";
        QTest::newRow("first uptime box says which part") << kSysInfo << "Text5"
                                                          << "Windows has been running for!"
                                                          << "days";
        QTest::newRow("last uptime box") << kSysInfo << "Text8"
                                         << "Windows has been running for!"
                                         << "seconds";
    }
    void controlsNamedAndDescribed() {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        showPage(page);
        QAccessibleInterface *interface = accessible(m_fixture->find(qPrintable(control)));
        QCOMPARE(interface->text(QAccessible::Name), name);
        QCOMPARE(interface->text(QAccessible::Description), description);
    }

    void captionsLabelTheirControls_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("price box") << "Text1"
                                   << "Label3";
        QTest::newRow("rate box") << "Text9"
                                  << "Label39";
        QTest::newRow("GST paid") << "Label1"
                                  << "Label4";
        QTest::newRow("customer's GST") << "Label24"
                                        << "Label22";
        QTest::newRow("GST to be claimed") << "Label33"
                                           << "Label30";
        QTest::newRow("memory box") << "Text4"
                                    << "lab";
        QTest::newRow("connection box") << "txtResults"
                                        << "Label27";
    }
    void captionsLabelTheirControls() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QWidget *labelled = m_fixture->find(qPrintable(control));
        QCOMPARE(labelsOf(accessible(labelled)),
                 QList<QObject *>{m_fixture->find(qPrintable(caption))});
    }

    void resultsAnnouncedWithCaptionsAfterCalculate() {
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->click("Command1");
        QAccessibleInterface *gstPaid = accessible(m_fixture->find("Label1"));
        QCOMPARE(gstPaid->text(QAccessible::Name), QStringLiteral("10.00"));
        QCOMPARE(gstPaid->text(QAccessible::Description), QStringLiteral("GST Paid"));
    }

    void statusBarAnnouncedAsStatusBar() {
        QCOMPARE(accessible(m_fixture->find("StatusBar1"))->role(), QAccessible::StatusBar);
    }

    void linkIsPressableByScreenReader() {
        showPage(kAbout);
        auto *hlink2 = m_fixture->find<HyperlinkLabel>("HLink2");
        QAccessibleInterface *link = accessible(hlink2);
        QCOMPARE(link->role(), QAccessible::Link);
        QAccessibleActionInterface *actions = link->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_fixture->platform.openedUrls, QList<QUrl>{hlink2->address()});
    }

    void hiddenWindowsNeverInTheTree() {
        QWidget *form3 = m_fixture->window->greetingWindow();
        QWidget *form4 = m_fixture->window->uptimeWindow();
        QVERIFY(form3 && form4);
        QSet<QObject *> hidden{form3, form4};
        for (QObject *child : form3->findChildren<QObject *>())
            hidden.insert(child);
        for (QObject *child : form4->findChildren<QObject *>())
            hidden.insert(child);

        const QList<QObject *> reachable = reachableFrom(accessible(qApp));
        QVERIFY(reachable.contains(m_fixture->window.get()));
        QVERIFY(reachable.contains(m_fixture->find("Text1")));
        for (QObject *object : reachable)
            QVERIFY2(!hidden.contains(object), qPrintable(object->objectName()));
        QVERIFY(accessible(form3)->state().invisible);
        QVERIFY(accessible(form4)->state().invisible);
    }

    void reportWindowInReadingOrder() {
        ReportTab tab(*m_fixture);
        tab.calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
        tab.viewReport(QStringLiteral("Bob"), QStringLiteral("Chair"));
        ReportWindow *form2 = m_fixture->window->reportWindow();
        QVERIFY(form2);

        QAccessibleInterface *window = accessible(form2);
        QStringList order;
        for (int i = 0; i < window->childCount(); ++i)
            order.append(window->child(i)->object()->objectName());
        // Top to bottom, left to right, as the sheet is read.
        const QStringList designed = {
            "Label19",  "Label20", "Label21", "Label32", "Label30", "Label31", "Label1",
            "Label22",  "Label10", "Label2",  "Label23", "Label11", "Label3",  "Label27",
            "Label12",  "Line1",   "Label4",  "Label13", "Label5",  "Label25", "Label14",
            "Label6",   "Label26", "Label15", "Label7",  "Label24", "Label16", "Line2",
            "Label8",   "Label29", "Label17", "Label39", "Label33", "Label36", "Label34",
            "Label37",  "Label35", "Label38", "Label9",  "Label28", "Label18", "Command2",
            "Command3", "Command1"};
        QCOMPARE(order, designed);
    }

    void reportValuesDescribedByCaptions_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("product") << "Label20"
                                 << "Chair"
                                 << "Product:";
        QTest::newRow("client") << "Label31"
                                << "Bob"
                                << "Client:";
        QTest::newRow("price, caption as this window spells it") << "Label10"
                                                                 << "110.00"
                                                                 << "Purchase Price GST Includedd";
        QTest::newRow("GST paid") << "Label11"
                                  << "10.00"
                                  << "GST Paid";
        QTest::newRow("markup") << "Label13"
                                << "10%"
                                << "Markup Percentage";
        QTest::newRow("net GST") << "Label38"
                                 << "1.00"
                                 << "Net GST Owing";
    }
    void reportValuesDescribedByCaptions() {
        QFETCH(QString, value);
        QFETCH(QString, name);
        QFETCH(QString, description);
        ReportTab tab(*m_fixture);
        tab.calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
        tab.viewReport(QStringLiteral("Bob"), QStringLiteral("Chair"));
        QAccessibleInterface *label = accessible(tab.reportControl<QLabel>(qPrintable(value)));
        QCOMPARE(label->text(QAccessible::Name), name);
        QCOMPARE(label->text(QAccessible::Description), description);
    }

    void tabStopsAtChosenOption_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("5% chosen at start-up") << "";
        QTest::newRow("20% clicked") << "Option4";
        QTest::newRow("35% clicked") << "Option7";
    }
    void tabStopsAtChosenOption() {
        QFETCH(QString, chosen);
        if (!chosen.isEmpty())
            m_fixture->click(qPrintable(chosen));
        const QString expected = chosen.isEmpty() ? QStringLiteral("Option1") : chosen;
        m_fixture->find("Text1")->setFocus();
        QWidget *option = nullptr;
        for (int press = 0; press < 10 && !option; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (qobject_cast<QRadioButton *>(QApplication::focusWidget()))
                option = QApplication::focusWidget();
        }
        QVERIFY(option);
        QCOMPARE(option->objectName(), expected);
    }

    void tabReachesEveryCalculatorCommand() {
        QWidget *text1 = m_fixture->find("Text1");
        QCOMPARE(QApplication::focusWidget(), text1);
        QSet<QWidget *> visited;
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.insert(QApplication::focusWidget());
        }
        QVERIFY(visited.contains(m_fixture->find("Command1")));
        QVERIFY(visited.contains(m_fixture->find("Command2")));
        QVERIFY(visited.contains(m_fixture->find("Option1")));
        QVERIFY(visited.contains(m_fixture->find("Text9")));
        QVERIFY(visited.contains(tabBar()));
        QVERIFY(visited.contains(text1));
    }

    void arrowKeysReachEveryOption() {
        QWidget *focus = m_fixture->find("Option1");
        focus->setFocus();
        QSet<QString> visited{focus->objectName()};
        // Along the top row, down to the custom choice, back along the bottom row.
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
            QTest::keyClick(focus, key);
            focus = QApplication::focusWidget();
            visited.insert(focus->objectName());
        }
        QCOMPARE(visited.size(), 9);
        for (int i = 1; i <= 9; ++i)
            QVERIFY(visited.contains(QStringLiteral("Option%1").arg(i)));
    }

    void spaceOnCalculatePressesIt() {
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->type("Text1", QStringLiteral("110"));
        for (int press = 0;
             press < 10 && QApplication::focusWidget() != m_fixture->find("Command1"); ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_fixture->find("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(m_fixture->caption("Label1"), QStringLiteral("10.00"));
    }

    void arrowKeysSwitchTabs() {
        QTabBar *bar = tabBar();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->currentIndex(), 1);
        QVERIFY(m_fixture->find("Command3")->isVisible());
    }

    void tabReachesLinksAndSpaceOpensThem() {
        showPage(kAbout);
        m_fixture->find("Text2")->setFocus();
        QList<QUrl> expected;
        for (const char *name : {"HLink1", "HLink2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto *link = m_fixture->find<HyperlinkLabel>(name);
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, Qt::Key_Space);
            expected.append(link->address());
        }
        QCOMPARE(m_fixture->platform.openedUrls, expected);
    }

private:
    QTabBar *tabBar() const { return m_fixture->find<TabControl>("SSTab1")->tabBar(); }
    void showPage(int index) { tabBar()->setCurrentIndex(index); }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
