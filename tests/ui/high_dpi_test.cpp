// The windows on a screen scaled to 200 %: the logo and the icon drawn for the screen's density
// rather than enlarged, and every caption still whole in its box.
#include "main_window_fixture.h"
#include "report_tab.h"

#include <QAbstractButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

using namespace quillon;

namespace {

constexpr qreal kScale = 2.0;

// The captions and command buttons of a window's pages, which must show their text whole.
QList<QWidget *> captionedControls(QWidget *window) {
    QList<QWidget *> controls;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        // The greeting sizes itself to the name, and a picture has no caption.
        if (label->window() == window && label->objectName() != QLatin1String("lblWelcome") &&
            label->pixmap().isNull())
            controls.append(label);
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->window() == window && !button->text().isEmpty())
            controls.append(button);
    }
    return controls;
}

} // namespace

class HighDpiTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void screenIsScaled() { QCOMPARE(m_fixture->window->devicePixelRatioF(), kScale); }

    void windowOpensOnScreen() {
        // The scaled screen is too low for the window: its top-left corner, with the title bar,
        // stays on it, and no side of it is cut off.
        const QRect available = m_fixture->window->screen()->availableGeometry();
        const QRect outer = m_fixture->window->frameGeometry();
        QVERIFY(outer.height() > available.height());
        QCOMPARE(outer.top(), available.top());
        QVERIFY2(outer.left() >= available.left() && outer.right() <= available.right(),
                 qPrintable(QStringLiteral("%1 to %2").arg(outer.left()).arg(outer.right())));
    }

    void logoDrawnAtScreenDensity() {
        const QPixmap logo = m_fixture->find<QLabel>("Image1")->pixmap();
        QCOMPARE(logo.devicePixelRatio(), kScale);
        QCOMPARE(logo.size(), QSize(256, 192));
        QCOMPARE(logo.deviceIndependentSize(), QSizeF(128, 96));
    }

    void iconHasPixmapsForScaledSizes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("title bar") << 16;
        QTest::newRow("task switcher") << 32;
        QTest::newRow("launcher") << 48;
        QTest::newRow("large launcher") << 128;
    }
    void iconHasPixmapsForScaledSizes() {
        QFETCH(int, size);
        // An icon never enlarges its pixmaps: without a large enough one it would come out small.
        const QPixmap pixmap = m_fixture->window->windowIcon().pixmap(QSize(size, size), kScale);
        QCOMPARE(pixmap.size(), QSize(size, size) * kScale);
    }

    void captionsFitOnMainWindow() { checkCaptionsFit(m_fixture->window.get()); }

    void captionsFitOnReportWindow() {
        ReportTab tab(*m_fixture);
        tab.calculate(QStringLiteral("1234567.89"), QStringLiteral("10"), "Option8");
        tab.viewReport(QStringLiteral("Bob"), QStringLiteral("Chair"));
        QVERIFY(m_fixture->window->reportWindow());
        checkCaptionsFit(m_fixture->window->reportWindow());
    }

private:
    // The room a control's caption takes. A push button's hint asks for a minimum width and a
    // frame round the text that its designed box need not give: its text has to fit the part of
    // the button the style draws text in.
    static QSize captionSize(QWidget *control) {
        const int textHeight = control->fontMetrics().height();
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
            return QSize(textWidth + button->width() - contents.width(), textHeight);
        }
        return QSize(control->sizeHint().width(), textHeight);
    }

    static void checkCaptionsFit(QWidget *window) {
        const QList<QWidget *> controls = captionedControls(window);
        QVERIFY(controls.size() > 10);
        QStringList tooSmall;
        for (QWidget *control : controls) {
            const QSize needed = captionSize(control);
            if (needed.width() > control->width() || needed.height() > control->height()) {
                tooSmall.append(QStringLiteral("%1 needs %2 x %3 in %4 x %5")
                                    .arg(control->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(control->width())
                                    .arg(control->height()));
            }
        }
        QVERIFY2(tooSmall.isEmpty(), qPrintable(tooSmall.join(QLatin1String("; "))));
    }
};

int main(int argc, char *argv[]) {
    // The scale must be known before the application starts.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication application(argc, argv);
    // As QTEST_MAIN does: fonts sized for the 96 dpi screen the other widget tests assume.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
