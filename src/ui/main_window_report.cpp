// The Report tab's commands: View Report, and saving, opening and printing the report area.
#include "main_window.h"

#include "amount_format.h"
#include "quote_file.h"
#include "quote_folder.h"
#include "quote_report.h"
#include "report_window.h"
#include "rich_text_box.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>

namespace quillon {

QString MainWindow::quoteFolder() const {
    return quillon::quoteFolder(m_platform.programFolder(), m_platform.userDataFolder());
}

void MainWindow::onCommand3Clicked() {
    if (!m_form2)
        m_form2 = new ReportWindow(
            m_platform, [this] { return quoteFolder(); }, this);

    QuoteReport report;
    report.date = m_platform.dateText();
    report.time = m_platform.timeText();
    report.client = m_platform.askText(this, QStringLiteral("Please enter customers name"),
                                       QStringLiteral("Customer"));
    report.product = m_platform.askText(this, QStringLiteral("Please enter product name"),
                                        QStringLiteral("Product"));

    const NumberLocale locale = NumberLocale::fromLocale(QLocale());
    const auto amount = [&locale](Money value) { return formatAmount(value, locale); };
    report.purchasePrice = amount(m_pricing.purchasePrice);
    report.gstPaid = amount(m_pricing.gstPaid);
    report.purchaseExGst = amount(m_pricing.purchaseExGst);
    report.totalWithMarkup = amount(m_pricing.totalWithMarkup);
    report.customerGst = amount(m_pricing.customerGst);
    report.salesPrice = amount(m_pricing.salesPrice);
    report.cashHeld = amount(m_pricing.cashHeld);
    report.profit = amount(m_pricing.profit);
    report.gstToPay = amount(m_pricing.gstToPay);
    report.gstToClaim = amount(m_pricing.gstPaid);
    report.netGstOwing = amount(m_pricing.netGstOwing);
    // With no option selected the window keeps the markup it showed.
    report.markup = markupText(selectedOption(), m_pricing.customMarkupText).value_or(QString());
    m_form2->setReport(report);

    const QString folder = quoteFolder();
    m_platform.setWorkingFolder(folder);
    if (folder != m_platform.programFolder() && !m_toldQuoteFolder) {
        m_toldQuoteFolder = true;
        m_platform.showMessage(
            this,
            tr("The program's folder cannot be written, so quotes are kept in\n%1")
                .arg(
                    QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(kQuoteFileName)))),
            QStringLiteral("Quote file"), MessageIcon::None);
    }
    const QString text = quoteText(m_form2->report());
    if (const std::optional<QString> error = writeQuote(folder, text)) {
        showError(
            tr("The quote could not be written to %1.\n%2")
                .arg(QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(kQuoteFileName))),
                     *error));
        return;
    }
    // The file may also hold earlier quotes' history; the report area shows this quote alone.
    m_report.rich->setPlainText(text);
    m_report.rich->forgetOpenedFile();
    m_form2->present();
}

void MainWindow::onCommand4Clicked() {
    m_dio.selectedFilter = 1;
    const std::optional<QString> path = m_platform.chooseSaveFile(this, m_dio);
    if (!path)
        return;
    m_dio.fileName = *path;
    if (!confirmSavingWithLoss(*path))
        return;
    if (const std::optional<QString> error = m_report.rich->saveFile(*path)) {
        showError(tr("The report could not be saved as %1.\n%2")
                      .arg(QDir::toNativeSeparators(*path), *error));
    }
}

// Saving over the file the report was opened from loses what the program could not read from
// it, so the user decides first.
bool MainWindow::confirmSavingWithLoss(const QString &path) {
    const QStringList lost = m_report.rich->contentLostBySaving(path);
    if (lost.isEmpty())
        return true;
    return m_platform.askYesNo(
        this,
        tr("%1 holds content this program cannot keep: %2.\nSaving over it loses that content. "
           "Save anyway?")
            .arg(QDir::toNativeSeparators(path), lost.join(QStringLiteral(", "))),
        tr("Save Report"));
}

void MainWindow::onCommand5Clicked() {
    m_dio.selectedFilter = 1;
    const std::optional<QString> path = m_platform.chooseOpenFile(this, m_dio);
    if (!path)
        return;
    m_dio.fileName = *path;
    if (const std::optional<QString> error = m_report.rich->loadFile(*path)) {
        showError(tr("The report %1 could not be opened.\n%2")
                      .arg(QDir::toNativeSeparators(*path), *error));
    }
}

void MainWindow::onCommand6Clicked() {
    const PrintRange preselected =
        m_report.rich->selectionLength() > 0 ? PrintRange::Selection : PrintRange::AllPages;
    const std::unique_ptr<QPrinter> printer = m_platform.choosePrinter(this, preselected);
    if (!printer)
        return;
    m_report.rich->printTo(printer.get());
    // Printing itself reports nothing; a printer that could not be started says so in its state.
    if (printer->printerState() == QPrinter::Error)
        showError(tr("The report could not be printed: the printer could not be started."));
}

} // namespace quillon
