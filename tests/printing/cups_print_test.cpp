// The Report tab's and the report window's Print Report on the printers the real platform
// finds, with every other dialog answered by the scripted platform. Run by
// scripts/cups-print-check.sh, one function at a time, against a CUPS server of its own.
#include "qt_platform.h"
#include "report_tab.h"

#include <QPrinter>
#include <QPushButton>

namespace quillon {

class CupsPrintTest : public MainWindowTest {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void reportWindowTellsThatNoPrinterIsTheDefault();
    void printsBothReports();

private:
    // A quote on the Report tab and in the report window.
    void viewReport();

    QtPlatform m_real;
};

void CupsPrintTest::init() {
    MainWindowTest::init();
    m_fixture->platform.printers = m_real.installedPrinters();
    QVERIFY2(!m_fixture->platform.printers.isEmpty(), "no printer: is CUPS_SERVER set?");
    m_fixture->platform.printerSource = [this] { return m_real.defaultPrinter(); };
}

void CupsPrintTest::viewReport() {
    ReportTab tab(*m_fixture);
    tab.calculate(QStringLiteral("1100"), QStringLiteral("10"), "Option1");
    tab.open();
    tab.viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void CupsPrintTest::reportWindowTellsThatNoPrinterIsTheDefault() {
    viewReport();
    QTest::mouseClick(ReportTab(*m_fixture).reportControl<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const QString told = m_fixture->platform.messages.constFirst().text;
    QVERIFY2(told.contains(QStringLiteral("None of the printers installed (%1)")
                               .arg(m_fixture->platform.printers.join(QStringLiteral(", ")))),
             qPrintable(told));
}

// The Report tab's job first, then the report window's; the pages are read by the script.
void CupsPrintTest::printsBothReports() {
    viewReport();
    m_fixture->platform.printAnswers.push_back(PrintRange::AllPages);
    m_fixture->click("Command6");
    QTest::mouseClick(ReportTab(*m_fixture).reportControl<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(m_fixture->platform.printDialogsPreselected, QList<PrintRange>{PrintRange::AllPages});
    for (const FakePlatform::Message &message : m_fixture->platform.messages)
        QFAIL(qPrintable(message.text));
}

} // namespace quillon

QTEST_MAIN(quillon::CupsPrintTest)
#include "cups_print_test.moc"
