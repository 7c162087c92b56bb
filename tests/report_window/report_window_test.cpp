#include "fake_platform.h"
#include "layout_checks.h"
#include "pdf_reading.h"
#include "quote_file.h"
#include "quote_report.h"
#include "report_window.h"
#include "test_files.h"
#include "watching_platform.h"
#include "window_print.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace quillon;

namespace {

QuoteReport sampleReport() {
    return {QStringLiteral("15/07/2005"), QStringLiteral("2:05:09 PM"), QStringLiteral("Desk"),
            QStringLiteral("Smith"),      QStringLiteral("110.00"),     QStringLiteral("10.00"),
            QStringLiteral("100.00"),     QStringLiteral("10%"),        QStringLiteral("110.00"),
            QStringLiteral("11.00"),      QStringLiteral("121.00"),     QStringLiteral("11.00"),
            QStringLiteral("10.00"),      QStringLiteral("11.00"),      QStringLiteral("10.00"),
            QStringLiteral("1.00")};
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void windowStandsWhereDesigned();
    void labelsMatchDesign_data();
    void labelsMatchDesign();
    void everyControlWholeAndApart();
    void enlargingOnlyShowsWhite();
    void focusStartsAtPrintReport();
    void escapeClosesTheWindowAndPressesNothing();
    void longNameIsClipped();

    void reportRoundTrips();
    void emptyTextsEmptyTheirLabels();

    void saveAppendsHistoryRecord();
    void saveTwiceAddsTwoRecords();
    void saveFailureIsTold();

    void viewHistory_data();
    void viewHistory();

    void printWritesTheWindow();
    void printWithoutPrinterIsTold_data();
    void printWithoutPrinterIsTold();
    void printerThatCannotStartIsTold();

private:
    QPushButton *button(const char *name) const {
        return m_window->findChild<QPushButton *>(QLatin1String(name));
    }
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QString quoteFile() const { return QDir(m_quoteFolder).filePath(kQuoteFileName); }

    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<WatchingPlatform> m_platform;
    QString m_quoteFolder;
    std::unique_ptr<ReportWindow> m_window;
};

void ReportWindowTest::init() {
    m_fake = std::make_unique<FakePlatform>();
    m_platform = std::make_unique<WatchingPlatform>(*m_fake);
    m_quoteFolder = m_fake->programFolderPath;
    m_window = std::make_unique<ReportWindow>(*m_platform, [this] { return m_quoteFolder; });
}

void ReportWindowTest::cleanup() {
    m_window.reset();
    m_platform.reset();
    m_fake.reset();
}

void ReportWindowTest::windowStandsWhereDesigned() {
    QCOMPARE(m_window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Report"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->geometry(), QRect(241, 38, 312, 463));

    m_window->present();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->size(), QSize(312, 463));
    const QImage image = m_window->grab().toImage();
    QCOMPARE(image.pixelColor(2, 460), QColor(Qt::white));
    QCOMPARE(image.pixelColor(310, 200), QColor(Qt::white));
}

void ReportWindowTest::labelsMatchDesign_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<bool>("greyBand");

    QTest::newRow("product caption") << "Label19"
                                     << "Product:" << true << false;
    QTest::newRow("product name") << "Label20"
                                  << "Label20" << false << false;
    QTest::newRow("time below date") << "Label32"
                                     << "Label32" << false << false;
    QTest::newRow("caption kept misspelt") << "Label1"
                                           << "Purchase Price GST Includedd" << true << false;
    QTest::newRow("dollar sign is taller") << "Label22"
                                           << "$" << false << false;
    QTest::newRow("markup value") << "Label13"
                                  << "Label13" << false << false;
    QTest::newRow("sales price caption") << "Label7"
                                         << "Sales Price Including GST" << true << false;
    QTest::newRow("activity heading indented, grey") << "Label39"
                                                     << "Activity Statement" << true << true;
    QTest::newRow("net GST value, grey") << "Label38"
                                         << "Label38" << false << true;
    QTest::newRow("profit value") << "Label18"
                                  << "Label18" << false << false;
}

void ReportWindowTest::labelsMatchDesign() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, rightAligned);
    QFETCH(bool, greyBand);

    const QLabel *shown = label(name);
    QVERIFY(shown);
    QCOMPARE(shown->text(), caption);
    const QRect geometry = shown->geometry();
    QCOMPARE(shown->alignment() & Qt::AlignHorizontal_Mask,
             rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    QCOMPARE(shown->wordWrap(), false);

    // Sample the background at the label's empty end, away from its text.
    const QImage image = m_window->grab().toImage();
    const QPoint empty(rightAligned ? geometry.left() + 1 : geometry.right() - 1,
                       geometry.bottom());
    const QColor expected =
        greyBand ? QApplication::palette().color(QPalette::Button) : QColor(Qt::white);
    QCOMPARE(image.pixelColor(empty), expected);
    if (greyBand)
        QVERIFY(expected != QColor(Qt::white));
}

// The report's fixed layout as the user sees it: every caption whole inside the window, and no
// control covering another.
void ReportWindowTest::everyControlWholeAndApart() {
    QCOMPARE(cutOrOutside(m_window.get(), m_window->rect()).join(" "), QString());
    QCOMPARE(overlappingControls(m_window.get()).join(" "), QString());
}

void ReportWindowTest::enlargingOnlyShowsWhite() {
    m_window->present();
    const QRect before = label(QStringLiteral("Label31"))->geometry();
    m_window->resize(500, 700);

    QCOMPARE(label(QStringLiteral("Label31"))->geometry(), before);
    QCOMPARE(button("Command1")->geometry(), QRect(208, 440, 81, 17));
    const QImage image = m_window->grab().toImage();
    QCOMPARE(image.size(), QSize(500, 700));
    QCOMPARE(image.pixelColor(450, 100), QColor(Qt::white));
    QCOMPARE(image.pixelColor(250, 650), QColor(Qt::white));
}

void ReportWindowTest::focusStartsAtPrintReport() {
    m_window->present();
    QCOMPARE(m_window->focusWidget(), button("Command1"));

    QStringList order;
    QWidget *widget = button("Command1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != button("Command1"));
    QCOMPARE(order, QStringList({"Command1", "Command2", "Command3"}));
}

void ReportWindowTest::escapeClosesTheWindowAndPressesNothing() {
    for (const char *name : {"Command1", "Command2", "Command3"}) {
        m_window->present();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(button(name), Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
    }
    QVERIFY(m_fake->messages.isEmpty());
    QVERIFY(m_fake->printedFiles.isEmpty());
    QVERIFY(m_fake->editedFiles.isEmpty());
    QVERIFY(!QFile::exists(quoteFile()));
}

void ReportWindowTest::longNameIsClipped() {
    QuoteReport report = sampleReport();
    report.product = QStringLiteral("Executive walnut writing desk with leather inlay and drawers");
    report.client = QStringLiteral("The Honourable Bartholomew Fotheringham-Smythe of Wollongong");
    m_window->setReport(report);
    m_window->present();

    for (const QString &name : {QStringLiteral("Label20"), QStringLiteral("Label31")}) {
        const QLabel *shown = label(name);
        QVERIFY(shown->sizeHint().width() > shown->width());
        QCOMPARE(shown->width(), 153);
        QCOMPARE(shown->height(), 17);
    }
    QCOMPARE(label(QStringLiteral("Label20"))->text(), report.product);
    QCOMPARE(label(QStringLiteral("Label21"))->geometry(), QRect(232, 0, 81, 17));
}

void ReportWindowTest::reportRoundTrips() {
    m_window->setReport(sampleReport());

    QCOMPARE(m_window->report(), sampleReport());
    QCOMPARE(label(QStringLiteral("Label10"))->text(), QStringLiteral("110.00"));
    QCOMPARE(label(QStringLiteral("Label13"))->text(), QStringLiteral("10%"));
    QCOMPARE(label(QStringLiteral("Label37"))->text(), QStringLiteral("10.00"));
    QCOMPARE(label(QStringLiteral("Label38"))->text(), QStringLiteral("1.00"));
}

void ReportWindowTest::emptyTextsEmptyTheirLabels() {
    m_window->setReport(sampleReport());
    QuoteReport next = sampleReport();
    next.client = QString();
    next.product = QStringLiteral("");
    next.markup = QString();
    m_window->setReport(next);

    // A cancelled prompt leaves no name of the quote before.
    for (const char *name : {"Label31", "Label20", "Label13"})
        QCOMPARE(label(QLatin1String(name))->text(), QString());
    QCOMPARE(m_window->report(), next);
}

void ReportWindowTest::saveAppendsHistoryRecord() {
    m_window->setReport(sampleReport());
    m_window->present();
    QByteArray fileWhenConfirmed;
    m_platform->onMessage = [&](const QString &) { fileWhenConfirmed = readFile(quoteFile()); };

    QTest::mouseClick(button("Command2"), Qt::LeftButton);

    const QByteArray record = historyRecord(sampleReport()).toUtf8();
    QCOMPARE(readFile(quoteFile()), record);
    QCOMPARE(fileWhenConfirmed, record);
    QCOMPARE(m_fake->workingFolder, m_quoteFolder);
    QCOMPARE(m_fake->messages.size(), 1);
    QCOMPARE(m_fake->messages[0].text, QStringLiteral("Quote Saved"));
    QCOMPARE(m_fake->messages[0].title, QStringLiteral("Success"));
    QCOMPARE(m_fake->messages[0].icon, MessageIcon::None);
}

void ReportWindowTest::saveTwiceAddsTwoRecords() {
    m_window->setReport(sampleReport());
    m_window->present();

    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);

    const QByteArray record = historyRecord(sampleReport()).toUtf8();
    QCOMPARE(readFile(quoteFile()), record + record);
    QCOMPARE(m_fake->messages.size(), 2);
}

void ReportWindowTest::saveFailureIsTold() {
    // A folder where the file should be cannot be opened for appending, not even by root.
    QVERIFY(QDir(m_quoteFolder).mkdir(kQuoteFileName));
    m_window->setReport(sampleReport());
    m_window->present();

    QTest::mouseClick(button("Command2"), Qt::LeftButton);

    QCOMPARE(m_fake->messages.size(), 1);
    QCOMPARE(m_fake->messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fake->messages[0].icon, MessageIcon::Warning);
    QVERIFY(m_fake->messages[0].text.contains(QDir::toNativeSeparators(quoteFile())));
}

void ReportWindowTest::viewHistory_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("editorStarts");
    QTest::addColumn<QString>("failsLater");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("error");

    QTest::newRow("saved history opens in the editor")
        << true << true << QString() << true << QString();
    QTest::newRow("no history yet is told, no editor")
        << false << true << QString() << false << QStringLiteral("does not exist");
    QTest::newRow("editor that cannot start is told")
        << true << false << QString() << true << QStringLiteral("No text editor");
    QTest::newRow("opener that gives up after starting is told")
        << true << true << QStringLiteral("no program for text files") << true
        << QStringLiteral("could not be shown in a text editor: no program for text files");
}

void ReportWindowTest::viewHistory() {
    QFETCH(bool, fileExists);
    QFETCH(bool, editorStarts);
    QFETCH(QString, failsLater);
    QFETCH(bool, opened);
    QFETCH(QString, error);

    // The folder is asked at the click, so it follows wherever the quotes are kept.
    QTemporaryDir otherFolder;
    m_quoteFolder = otherFolder.path();
    if (fileExists) {
        QFile file(quoteFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_fake->editorStarts = editorStarts;
    if (!failsLater.isEmpty())
        m_fake->editorFailsLater = failsLater;
    m_window->present();

    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    QCoreApplication::processEvents(); // what the opener tells later

    QCOMPARE(m_fake->editedFiles, opened ? QStringList{quoteFile()} : QStringList());
    if (error.isEmpty()) {
        QVERIFY(m_fake->messages.isEmpty());
    } else {
        QCOMPARE(m_fake->messages.size(), 1);
        QCOMPARE(m_fake->messages[0].title, QStringLiteral("Error"));
        QCOMPARE(m_fake->messages[0].icon, MessageIcon::Warning);
        QVERIFY(m_fake->messages[0].text.contains(error));
    }
}

void ReportWindowTest::printWritesTheWindow() {
    m_window->setReport(sampleReport());
    m_window->present();

    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(m_fake->messages.isEmpty());
    QCOMPARE(m_fake->printedFiles.size(), 1);
    QVERIFY(QFileInfo(m_fake->printedFiles[0]).size() > 1000);
    if (!hasPopplerTool(QStringLiteral("pdftoppm")))
        QSKIP("pdftoppm is not installed; the page's content is not checked");
    const std::optional<QImage> page = rasterisePdf(m_fake->printedFiles[0], 36);
    QVERIFY(page);
    QVERIFY(inkedPixels(*page) > 500);
}

void ReportWindowTest::printWithoutPrinterIsTold_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("told");
    QTest::newRow("no printer") << QStringList() << "No printer is installed";
    QTest::newRow("printers, none the default")
        << QStringList{"Office", "PDF"} << "None of the printers installed (Office, PDF)";
}

void ReportWindowTest::printWithoutPrinterIsTold() {
    QFETCH(QStringList, installed);
    QFETCH(QString, told);
    m_fake->hasDefaultPrinter = false;
    m_fake->printers = installed;
    m_window->present();

    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(m_fake->printedFiles.isEmpty());
    QCOMPARE(m_fake->messages.size(), 1);
    QCOMPARE(m_fake->messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fake->messages[0].icon, MessageIcon::Warning);
    QVERIFY2(m_fake->messages[0].text.contains(told), qPrintable(m_fake->messages[0].text));
}

void ReportWindowTest::printerThatCannotStartIsTold() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("missing/report.pdf"));
    m_fake->printerSource = [&] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return printer;
    };
    m_window->present();

    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(!QFile::exists(file));
    QCOMPARE(m_fake->messages.size(), 1);
    QCOMPARE(m_fake->messages[0].title, QStringLiteral("Error"));
    QVERIFY(m_fake->messages[0].text.contains(QStringLiteral("could not be printed")));
}

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
