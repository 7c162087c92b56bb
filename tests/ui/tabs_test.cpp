// The Report, About and Sys Info tabs of the main window: their controls at the designed places,
// in the designed colours and faces, the Tab key passing over the uptime boxes, and the two
// hyperlinks.
#include "hyperlink_label.h"
#include "layout_checks.h"
#include "main_window_fixture.h"
#include "tab_control.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>

using namespace quillon;

namespace {

// Tab indexes.
constexpr int kReport = 1, kAbout = 2, kSysInfo = 3;

// Faces are sized for the 96 dpi screen the twips were drawn on: a point is 4/3 pixel.
int pixelsOf(double points) {
    return qRound(points * 4.0 / 3.0);
}

} // namespace

class TabsTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    // What the user sees of each page's fixed layout: every caption whole, every control on the
    // page below the tab row, and none covering another.
    void everyControlWholeAndApart_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("member"); // a control of the page
        QTest::newRow("Report") << kReport << "Rich";
        QTest::newRow("About") << kAbout << "Text2";
        QTest::newRow("Sys Info") << kSysInfo << "Text4";
    }
    void everyControlWholeAndApart() {
        QFETCH(int, page);
        QFETCH(QString, member);
        showPage(page);
        QWidget *shown = control(member)->parentWidget();
        const QRect area(0, TabControl::kTabRowHeight, shown->width(),
                         shown->height() - TabControl::kTabRowHeight);
        QCOMPARE(cutOrOutside(shown, area).join(" "), QString());
        QCOMPARE(overlappingControls(shown).join(" "), QString());
    }

    void reportPageButtonsAndEmptyReportArea() {
        QVERIFY(control<QTextEdit>("Rich")->toPlainText().isEmpty());
        const QStringList captions = {"View Report", "Save Report", "Open Report", "Print Report"};
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("Command%1").arg(3 + i);
            QCOMPARE(control<QPushButton>(name)->text(), captions.at(i));
        }
    }

    void aboutPageLogoAndProductName() {
        auto *image = control<QLabel>("Image1");
        const QPixmap logo = image->pixmap();
        QCOMPARE(logo.size(), QSize(128, 96));
        QVERIFY(!logo.toImage().hasAlphaChannel());
        QVERIFY(!image->hasScaledContents());

        auto *product = control<QLabel>("Label26");
        QCOMPARE(product->text(), QStringLiteral("Quillon"));
        QVERIFY(product->font().bold());
        QCOMPARE(product->font().pixelSize(), pixelsOf(9.75));
        QCOMPARE(product->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

        auto *version = control<QLabel>("Label25");
        QCOMPARE(version->text(), QStringLiteral("Version 3.0.0"));
        QVERIFY(version->font().bold());
        QCOMPARE(version->font().pixelSize(), pixelsOf(8.25));
    }

    void aboutPageDescriptionWordForWord() {
        // Blanks before the line breaks belong to the text.
        const QString expected =
            QStringLiteral("This program was developed to help small bussinesses in \n"
                           "Australia with working out quotes now that the GST has \n"
                           "been introduced. It now also supports all countries.\n"
                           "\n"
                           "I hope you find it helpful. Could you please send \n"
                           "comments good or bad to the support email address \n"
                           "please.\n"
                           "\n"
                           "This program is completely Freeware.\n");
        auto *text2 = control<QTextEdit>("Text2");
        QCOMPARE(text2->toPlainText(), expected);
        QVERIFY(!text2->isReadOnly());
        QCOMPARE(text2->palette().color(QPalette::Base),
                 text2->parentWidget()->palette().color(QPalette::Window));
    }

    void aboutPageContactLines() {
        auto *text3 = control<QTextEdit>("Text3");
        QStringList lines = text3->toPlainText().split(QLatin1Char('\n'));
        // Every line ends with a line break, the last included.
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.first(), QStringLiteral("Vellan Computers"));
        QVERIFY2(lines.last().startsWith(QLatin1String("Phone: ")), qPrintable(lines.last()));
        for (const QString &line : std::as_const(lines))
            QVERIFY(!line.trimmed().isEmpty());
        QVERIFY(text3->font().bold());
        QCOMPARE(text3->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(text3->palette().color(QPalette::Base),
                 text3->parentWidget()->palette().color(QPalette::Window));
    }

    void sysInfoPageColoursAndFaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background"); // invalid: not checked
        QTest::addColumn<QColor>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        const QColor none;
        const QColor yellow(255, 255, 0);
        QTest::newRow("lblWelcome blue")
            << "lblWelcome" << none << QColor(0, 0, 255) << pixelsOf(13.5) << true;
        QTest::newRow("lab heading") << "lab" << none << none << pixelsOf(8.25) << true;
        QTest::newRow("Text4 yellow on black")
            << "Text4" << QColor(Qt::black) << yellow << 0 << false;
        QTest::newRow("txtResults red on black")
            << "txtResults" << QColor(Qt::black) << QColor(255, 0, 0) << 0 << false;
        QTest::newRow("Label28 dark red")
            << "Label28" << none << QColor(128, 0, 0) << pixelsOf(12) << true;
        QTest::newRow("Text5 on yellow") << "Text5" << yellow << none << pixelsOf(12) << true;
        QTest::newRow("Text8 on yellow") << "Text8" << yellow << none << pixelsOf(12) << true;
    }
    void sysInfoPageColoursAndFaces() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QWidget *widget = control(name);
        // Labels paint with the window roles, text boxes with the base roles.
        const bool isLabel = qobject_cast<QLabel *>(widget) != nullptr;
        const QPalette palette = widget->palette();
        if (background.isValid())
            QCOMPARE(palette.color(isLabel ? QPalette::Window : QPalette::Base), background);
        if (text.isValid())
            QCOMPARE(palette.color(isLabel ? QPalette::WindowText : QPalette::Text), text);
        if (pixelSize > 0)
            QCOMPARE(widget->font().pixelSize(), pixelSize);
        QCOMPARE(widget->font().bold(), bold);
    }

    void keysMoveBetweenControlsAndPages_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<QString>("focusAfter"); // empty: not checked
        const int kCalculator = 0;
        QTest::newRow("Tab leaves the report box for View Report")
            << kReport << "Rich" << QKeyCombination(Qt::Key_Tab) << kReport << "Command3";
        QTest::newRow("Ctrl+Tab in the report box goes to the next page")
            << kReport << "Rich" << QKeyCombination(Qt::ControlModifier, Qt::Key_Tab) << kAbout
            << "";
        QTest::newRow("Ctrl+Shift+Tab from the first page goes round to the last")
            << kCalculator << "Text1"
            << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab) << kSysInfo
            << "";
        QTest::newRow("Ctrl+Shift+Tab as an X server reports it")
            << kAbout << "Text2"
            << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Tab) << kReport
            << "";
    }
    void keysMoveBetweenControlsAndPages() {
        QFETCH(int, page);
        QFETCH(QString, start);
        QFETCH(QKeyCombination, key);
        QFETCH(int, pageAfter);
        QFETCH(QString, focusAfter);
        showPage(page);
        QWidget *widget = control(start);
        widget->setFocus();
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
        QCOMPARE(tabControl()->currentIndex(), pageAfter);
        if (!focusAfter.isEmpty())
            QCOMPARE(QApplication::focusWidget(), control(focusAfter));
        // No key typed into the report.
        QVERIFY(control<QTextEdit>("Rich")->toPlainText().isEmpty());
    }

    void uptimeBoxesCentredFramelessAndSkippedByTab() {
        showPage(kSysInfo);
        QSet<QWidget *> uptimeBoxes;
        for (int i = 5; i <= 8; ++i) {
            auto *box = control<QLineEdit>(QStringLiteral("Text%1").arg(i));
            QVERIFY(!box->hasFrame());
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
            uptimeBoxes.insert(box);
        }

        QWidget *start = control("txtResults");
        start->setFocus();
        QCOMPARE(QApplication::focusWidget(), start);
        QList<QWidget *> visited;
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget());
        }
        for (QWidget *widget : std::as_const(visited))
            QVERIFY2(!uptimeBoxes.contains(widget), qPrintable(widget->objectName()));
        // The key did move the focus round the page and back.
        QVERIFY(visited.contains(control("Text4")));
        QVERIFY(visited.contains(start));
    }

    void hyperlinkOpensItsAddressAndNothingElse_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("HLink1 home page") << "HLink1"
                                          << "Home Page"
                                          << "https";
        QTest::newRow("HLink2 support email") << "HLink2"
                                              << "Support Email"
                                              << "mailto";
    }
    void hyperlinkOpensItsAddressAndNothingElse() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, scheme);
        showPage(kAbout);
        auto *link = control<HyperlinkLabel>(name);
        QCOMPARE(link->text(), caption);
        QVERIFY(link->font().underline());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        const QString description = control<QTextEdit>("Text2")->toPlainText();

        QTest::mouseClick(link, Qt::LeftButton);

        const FakePlatform &platform = m_fixture->platform;
        QCOMPARE(platform.openedUrls.size(), 1);
        const QUrl address = platform.openedUrls.constFirst();
        QCOMPARE(address.scheme(), scheme);
        if (scheme == QLatin1String("mailto"))
            QVERIFY2(address.path().contains(QLatin1Char('@')), qPrintable(address.toString()));
        else
            QVERIFY2(!address.host().isEmpty(), qPrintable(address.toString()));
        QCOMPARE(link->text(), caption);
        QCOMPARE(tabControl()->currentIndex(), kAbout);
        QCOMPARE(control<QTextEdit>("Text2")->toPlainText(), description);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.prompts.isEmpty());
        QVERIFY(m_fixture->window->pricingState() == PricingState());
    }

private:
    TabControl *tabControl() const { return m_fixture->find<TabControl>("SSTab1"); }

    // A control of the tab control; names such as Text4 recur in the hidden windows.
    template <typename T = QWidget> T *control(const QString &name) const {
        T *widget = tabControl()->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s on the tabs", qPrintable(name));
        return widget;
    }

    void showPage(int index) const {
        QTabBar *bar = tabControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(tabControl()->currentIndex(), index);
    }
};

QTEST_MAIN(TabsTest)
#include "tabs_test.moc"
