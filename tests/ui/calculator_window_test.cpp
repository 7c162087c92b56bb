// The main window as it opens, and the Calculator tab driven as a user drives it.
#include "layout_checks.h"
#include "main_window_fixture.h"
#include "tab_control.h"

#include <QTabBar>

using namespace quillon;

class CalculatorWindowTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void windowIsFixedWithoutMinimizeOrMaximize() {
        MainWindow &window = *m_fixture->window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Vellan Price Calculator"));
        QCOMPARE(window.size(), QSize(347, 443));
        QCOMPARE(window.minimumSize(), QSize(347, 443));
        QCOMPARE(window.maximumSize(), QSize(347, 443));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(window.geometry().topLeft(), QPoint(225, 84));
        const QList<QSize> iconSizes = window.windowIcon().availableSizes();
        for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)})
            QVERIFY2(iconSizes.contains(size), qPrintable(QString::number(size.width())));
    }

    void tabsInDesignedOrderWithTwentyPixelRow() {
        auto *tabs = m_fixture->find<TabControl>("SSTab1");
        QCOMPARE(tabs->geometry(), QRect(8, 0, 331, 417));
        QTabBar *bar = tabs->tabBar();
        QCOMPARE(bar->count(), 4);
        const QStringList captions = {QStringLiteral("Calculator"), QStringLiteral("Report"),
                                      QStringLiteral("About"), QStringLiteral("Sys Info")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(bar->tabText(i), captions.at(i));
            QCOMPARE(bar->tabRect(i).height(), 20);
            QCOMPARE(bar->tabRect(i).width(), bar->tabRect(0).width());
        }
        QCOMPARE(tabs->currentIndex(), 0);
        // The first control stands below the tab row, not on it.
        QVERIFY(m_fixture->find("Text9")->geometry().top() >= bar->geometry().bottom());
    }

    void controlsInDesignedColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        QTest::newRow("Label3 caption") << "Label3" << qApp->palette().color(QPalette::Window);
        QTest::newRow("Label1 orange") << "Label1" << QColor(255, 192, 128);
        QTest::newRow("Label9 cyan") << "Label9" << QColor(192, 255, 255);
        QTest::newRow("Label17 green") << "Label17" << QColor(192, 255, 192);
        QTest::newRow("Label32") << "Label32" << QColor(192, 255, 255);
        QTest::newRow("Label33") << "Label33" << QColor(255, 192, 128);
        QTest::newRow("Label20 teal") << "Label20" << QColor(0, 192, 192);
    }
    void controlsInDesignedColours() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QWidget *control = m_fixture->find(qPrintable(name));
        QVERIFY(control->autoFillBackground());
        QCOMPARE(control->palette().color(QPalette::Window), background);
    }

    // What the user sees of the page's fixed layout: every caption whole, every control on the
    // page below the tab row, and none covering another but where the design stacks them.
    void everyControlWholeAndApart() {
        QWidget *page = m_fixture->find("Text1")->parentWidget();
        const QRect area(0, TabControl::kTabRowHeight, page->width(),
                         page->height() - TabControl::kTabRowHeight);
        QCOMPARE(cutOrOutside(page, area).join(" "), QString());
        // The activity statement's captions are designed wider than the room before their "$"
        // and value, which stand over the caption's empty end.
        QCOMPARE(overlappingControls(page).join(" "),
                 QStringLiteral("Label29/Label35 Label29/Label32 Label30/Label36 Label30/Label33"));
        QVERIFY(m_fixture->find<QLabel>("Label38")->font().bold());
    }

    void statusBarShowsMakerDateAndTime() {
        QCOMPARE(m_fixture->find<QLabel>("Panel1")->text(), QStringLiteral("Vellan Computers"));
        const QLocale locale;
        QCOMPARE(m_fixture->find<QLabel>("Panel2")->text(),
                 locale.toString(m_fixture->platform.clock.date(), QLocale::ShortFormat));
        // 14:05:09 shown as hours and minutes only.
        const QString time = m_fixture->find<QLabel>("Panel3")->text();
        QVERIFY2(time.contains(QLatin1String("2:05")) && !time.contains(QLatin1String("09")),
                 qPrintable(time));
        QWidget *bar = m_fixture->find("StatusBar1");
        QVERIFY(bar->font().bold());
        QCOMPARE(bar->geometry().bottom(), m_fixture->window->height() - 1);
        // The time panel runs past the window's right edge.
        QVERIFY(
            bar->mapTo(m_fixture->window.get(), m_fixture->find("Panel3")->geometry().bottomRight())
                .x() >= m_fixture->window->width());
    }

    void optionsFormOneExclusiveGroup() {
        QVERIFY(m_fixture->find<QRadioButton>("Option1")->isChecked());
        m_fixture->click("Option7");
        for (int i = 1; i <= 9; ++i) {
            const QByteArray name = "Option" + QByteArray::number(i);
            QCOMPARE(m_fixture->find<QRadioButton>(name.constData())->isChecked(), i == 7);
        }
        // The whole designed box answers, not only the indicator and the caption's letters.
        auto *option2 = m_fixture->find<QRadioButton>("Option2");
        QTest::mouseClick(option2, Qt::LeftButton, {},
                          QPoint(option2->width() - 2, option2->height() / 2));
        QVERIFY(option2->isChecked());
    }

    void focusStartsInPriceAndFollowsDesignedOrder() {
        QCOMPARE(QApplication::focusWidget(), m_fixture->find("Text1"));
        // The status bar holds place 1 but never takes the focus; the tab row is next.
        QTabBar *tabRow = m_fixture->find<TabControl>("SSTab1")->tabBar();
        QCOMPARE(m_fixture->find("Text1")->nextInFocusChain(), tabRow);
        QCOMPARE(tabRow->nextInFocusChain(), m_fixture->find("Option5"));
        QCOMPARE(m_fixture->find("Option5")->nextInFocusChain(), m_fixture->find("Command2"));
        QCOMPARE(m_fixture->find("Command2")->nextInFocusChain(), m_fixture->find("Command1"));
    }

    void escapePressesNoButton() {
        for (QPushButton *button : m_fixture->window->findChildren<QPushButton *>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(),
                     qPrintable(button->objectName()));
        m_fixture->type("Text1", QStringLiteral("110"));
        QTest::keyClick(m_fixture->find("Text1"), Qt::Key_Escape);
        QCOMPARE(m_fixture->caption("Label1"), QStringLiteral("0"));
        QVERIFY(m_fixture->platform.messages.isEmpty());
    }

    void enterActsOnTheFocusedControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("label1");
        QTest::newRow("Enter on Calculate") << "Command1" << Qt::Key_Return << "10.00";
        QTest::newRow("keypad Enter on Calculate") << "Command1" << Qt::Key_Enter << "10.00";
        QTest::newRow("Enter on Reset after Calculate") << "Command2" << Qt::Key_Return << "0";
        QTest::newRow("Enter in the price box calculates") << "Text1" << Qt::Key_Return << "10.00";
        QTest::newRow("Enter in the rate box calculates") << "Text9" << Qt::Key_Enter << "10.00";
    }
    void enterActsOnTheFocusedControl() {
        QFETCH(QString, control);
        QFETCH(Qt::Key, key);
        QFETCH(QString, label1);
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        // Reset has something to clear.
        if (control == QLatin1String("Command2"))
            m_fixture->click("Command1");
        QWidget *focused = m_fixture->find(qPrintable(control));
        focused->setFocus();
        QTest::keyClick(focused, key);
        QCOMPARE(m_fixture->caption("Label1"), label1);
    }

    void calculateFillsTheTenLabels_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("labels"); // 1, 2, 9, 8, 20, 17, 24, 32, 33, 34
        QTest::newRow("110 at 10% with 10% markup")
            << "110"
            << "10"
            << "Option2" << QStringList{"10.00", "100.00", "110.00", "121.00", "10.00",
                                        "11.00", "11.00",  "11.00",  "10.00",  "1.00"};
        QTest::newRow("1234.56 at 10% with 25% markup")
            << "1234.56"
            << "10"
            << "Option5" << QStringList{"112.23", "1,122.33", "1,402.91", "1,543.20", "280.58",
                                        "308.64", "140.29",   "140.29",   "112.23",   "28.06"};
        QTest::newRow("price typed with a thousands comma")
            << "1,100"
            << "10"
            << "Option2" << QStringList{"100.00", "1,000.00", "1,100.00", "1,210.00", "100.00",
                                        "110.00", "110.00",   "110.00",   "100.00",   "10.00"};
        QTest::newRow("price as money with the code behind, rate with a percent sign")
            << "1,100.00 AUD"
            << "10%"
            << "Option2" << QStringList{"100.00", "1,000.00", "1,100.00", "1,210.00", "100.00",
                                        "110.00", "110.00",   "110.00",   "100.00",   "10.00"};
        QTest::newRow("negative price")
            << "-110"
            << "10"
            << "Option2" << QStringList{"-10.00", "-100.00", "-110.00", "-121.00", "-10.00",
                                        "-11.00", "-11.00",  "-11.00",  "-10.00",  "-1.00"};
    }
    void calculateFillsTheTenLabels() {
        QFETCH(QString, price);
        QFETCH(QString, rate);
        QFETCH(QString, option);
        QFETCH(QStringList, labels);
        m_fixture->type("Text1", price);
        m_fixture->type("Text9", rate);
        m_fixture->click(qPrintable(option));
        m_fixture->click("Command1");
        const char *names[] = {"Label1",  "Label2",  "Label9",  "Label8",  "Label20",
                               "Label17", "Label24", "Label32", "Label33", "Label34"};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(m_fixture->caption(names[i]), labels.at(i));
        QVERIFY(m_fixture->platform.messages.isEmpty());
    }

    void emptyPriceWarnsThenShowsLastResults() {
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->click("Option2");
        m_fixture->click("Command1");
        m_fixture->type("Text9", QStringLiteral("20"));
        m_fixture->find<QLineEdit>("Text1")->clear();
        m_fixture->click("Command1");

        QCOMPARE(m_fixture->platform.messages.size(), 1);
        const FakePlatform::Message &message = m_fixture->platform.messages.constFirst();
        QCOMPARE(message.text,
                 QStringLiteral("Error encountered Please Enter a Value,\r\nthen please retry."));
        QCOMPARE(message.title, QStringLiteral("Error Value Found"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QCOMPARE(m_fixture->caption("Label8"), QStringLiteral("121.00"));
        QCOMPARE(m_fixture->caption("Label2"), QStringLiteral("100.00"));
        QCOMPARE(m_fixture->caption("Label24"), QStringLiteral("20.17"));
        QCOMPARE(m_fixture->caption("Label34"), QStringLiteral("10.17"));
    }

    // A rate box that holds no rate is told, and the figures are those without GST; a price that
    // cannot be read is told, and the last results stand.
    void unreadableRateOrPriceIsTold_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("label8");
        QTest::newRow("empty rate") << "110"
                                    << ""
                                    << "GST rate box"
                                    << "115.50";
        QTest::newRow("letters for the rate") << "110"
                                              << "ten"
                                              << "GST rate box"
                                              << "115.50";
        QTest::newRow("empty price and empty rate: the price alone is told")
            << ""
            << ""
            << "Please Enter a Value"
            << "0.00";
        QTest::newRow("misplaced comma in the price") << "1,00"
                                                      << "10"
                                                      << "purchase price could not be read"
                                                      << "0.00";
    }
    void unreadableRateOrPriceIsTold() {
        QFETCH(QString, price);
        QFETCH(QString, rate);
        QFETCH(QString, told);
        QFETCH(QString, label8);
        m_fixture->type("Text1", price);
        m_fixture->type("Text9", rate);
        m_fixture->click("Command1");

        QCOMPARE(m_fixture->platform.messages.size(), 1);
        const FakePlatform::Message &message = m_fixture->platform.messages.constFirst();
        QVERIFY2(message.text.contains(told), qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Error Value Found"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QCOMPARE(m_fixture->caption("Label8"), label8);
    }

    void outOfRangeWarnsAndChangesNothing() {
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->click("Command1");
        const PricingState before = m_fixture->window->pricingState();
        m_fixture->type("Text9", QStringLiteral("-100"));
        m_fixture->click("Command1");
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->type("Text1", QStringLiteral("1e20"));
        m_fixture->click("Command1");

        QCOMPARE(m_fixture->platform.messages.size(), 2);
        for (const FakePlatform::Message &message : std::as_const(m_fixture->platform.messages)) {
            QCOMPARE(message.title, QStringLiteral("Error Value Found"));
            QVERIFY(message.text.contains(QStringLiteral("out of range")));
        }
        QVERIFY(m_fixture->window->pricingState() == before);
        QCOMPARE(m_fixture->caption("Label8"), QStringLiteral("115.50"));
    }

private:
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
