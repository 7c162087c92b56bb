#include "pdf_reading.h"
#include "window_print.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace quillon;

namespace {

constexpr int kDotsPerInch = 36;

void paintRed(QWidget &widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::red);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setUpPdf(QPrinter &printer, const QString &file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 20, 10, 20), QPageLayout::Millimeter));
}

// Where the red pixels of a rendered page lie.
QRect redArea(const QImage &page) {
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor colour = page.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 80 && colour.blue() < 80)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

class WindowPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void imageFitsPrintableArea_data();
    void imageFitsPrintableArea();
    void printerThatCannotStartPrintsNothing();
};

void WindowPrintTest::imageFitsPrintableArea_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QSizeF>("inches"); // on paper; the printable area is 7.48 x 10.12 inches

    QTest::newRow("report window at its size on a 96 dpi screen")
        << QSize(312, 463) << QSizeF(3.25, 4.82);
    QTest::newRow("window wider than the area shrinks to its width")
        << QSize(1000, 100) << QSizeF(7.48, 0.75);
    QTest::newRow("window taller than the area shrinks to its height")
        << QSize(100, 1200) << QSizeF(0.84, 10.12);
}

void WindowPrintTest::imageFitsPrintableArea() {
    QFETCH(QSize, windowSize);
    QFETCH(QSizeF, inches);

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("window.pdf"));
    QWidget window;
    window.resize(windowSize);
    paintRed(window);
    QCOMPARE(window.logicalDpiX(), 96);
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, file);

    QVERIFY(printWidgetImage(window, printer));
    QVERIFY(QFileInfo(file).size() > 0);

    if (!hasPopplerTool(QStringLiteral("pdftoppm")))
        QSKIP("pdftoppm is not installed; the page's content is not checked");
    const std::optional<QImage> page = rasterisePdf(file, kDotsPerInch);
    QVERIFY(page);
    const QRectF expected(printer.pageLayout().paintRect(QPageLayout::Inch).topLeft() *
                              kDotsPerInch,
                          inches * kDotsPerInch);
    const QRect red = redArea(*page);
    QVERIFY(!red.isNull());
    QCOMPARE_LE(qAbs(red.left() - expected.left()), 2.0);
    QCOMPARE_LE(qAbs(red.top() - expected.top()), 2.0);
    QCOMPARE_LE(qAbs(red.width() - expected.width()), 2.0);
    QCOMPARE_LE(qAbs(red.height() - expected.height()), 2.0);
}

void WindowPrintTest::printerThatCannotStartPrintsNothing() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("missing/window.pdf"));
    QWidget window;
    window.resize(100, 100);
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, file);

    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!printWidgetImage(window, printer));
    QVERIFY(!QFileInfo::exists(file));
}

QTEST_MAIN(WindowPrintTest)
#include "window_print_test.moc"
