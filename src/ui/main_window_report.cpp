// The Report tab's commands: View Report, and saving, opening and printing the report area.
#include "main_window.h"

#include "document_print.h"
#include "page_setup.h"
#include "quote_file.h"
#include "quote_folder.h"
#include "quote_from_pricing.h"
#include "report_window.h"
#include "rich_text_box.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>

namespace quillon {

QString MainWindow::quoteFolder() const {
    return quillon::quoteFolder(m_platform.programFolder(), m_platform.userDataFolder());
}

// Told when the quotes are kept in the data folder: where, and what became of a history kept
// beside the program before (quoteFolder() copies it, which can only have failed when the data
// folder's quote file is missing now).
QString MainWindow::quoteFolderNote(const QString &file) const {
    QString note =
        tr("The program's folder cannot be written, so quotes are kept in\n%1").arg(file);
    const QString old = quoteFilePath(m_platform.programFolder());
    if (!QFileInfo(old).isFile())
        return note;
    if (QFileInfo::exists(file))
        return note + tr("\nThe quotes kept before in %1 are carried over into it.")
                          .arg(QDir::toNativeSeparators(old));
    return note + tr("\nThe quotes kept before in %1 could not be copied into it; they are "
                     "still there.")
                      .arg(QDir::toNativeSeparators(old));
}

void MainWindow::onCommand3Clicked() {
    if (!m_form2)
        m_form2 = new ReportWindow(
            m_platform, [this] { return quoteFolder(); }, this);

    QuoteRequest request;
    const QDateTime moment = m_platform.now();
    request.date = m_platform.dateText(moment);
    request.time = m_platform.timeText(moment);
    request.client = m_platform.askText(this, QStringLiteral("Please enter customers name"),
                                        QStringLiteral("Customer"));
    request.product = m_platform.askText(this, QStringLiteral("Please enter product name"),
                                         QStringLiteral("Product"));
    // With no option selected the report keeps the markup it showed.
    request.selectedMarkup =
        markupText(selectedOption(), m_pricing.customMarkupText).value_or(m_form2->report().markup);
    const QuoteReport report =
        quoteFromPricing(m_pricing, request, NumberLocale::fromLocale(QLocale()));
    m_form2->setReport(report);

    const QString folder = quoteFolder();
    if (folder.isEmpty()) {
        showError(tr("The quote could not be written.\n%1").arg(noQuoteFolderText()));
        return;
    }
    const QString file = QDir::toNativeSeparators(quoteFilePath(folder));
    m_platform.setWorkingFolder(folder);
    if (folder != m_platform.programFolder() && !m_toldQuoteFolder) {
        m_toldQuoteFolder = true;
        m_platform.showMessage(this, quoteFolderNote(file), QStringLiteral("Quote file"),
                               MessageIcon::None);
    }
    const QString text = quoteText(report);
    if (const std::optional<QString> error = writeQuote(folder, text, leadingQuoteTextSize)) {
        showError(tr("The quote could not be written to %1.\n%2").arg(file, *error));
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
        return;
    }
    // Told now, while the user can still keep the file as it is, and again only if saving over it.
    const QStringList lost = m_report.rich->contentLostBySaving(*path);
    if (!lost.isEmpty()) {
        m_platform.showMessage(
            this,
            tr("%1 holds content this program cannot keep: %2.\nIt is not shown, and saving over "
               "the file loses it.")
                .arg(QDir::toNativeSeparators(*path), lost.join(QStringLiteral(", "))),
            tr("Open Report"), MessageIcon::Warning);
    }
}

void MainWindow::onCommand6Clicked() {
    // The print dialog would offer nothing to print on and end the command without a word.
    if (m_platform.installedPrinters().isEmpty()) {
        showError(noPrinterInstalledText());
        return;
    }
    const PrintRange preselected =
        m_report.rich->selectionLength() > 0 ? PrintRange::Selection : PrintRange::AllPages;
    // An opened document made for a landscape page offers to print on one.
    const std::optional<PageSetup> page = pageSetupOf(*m_report.rich->document());
    const std::unique_ptr<QPrinter> printer = m_platform.choosePrinter(
        this, preselected, page ? page->orientation : QPageLayout::Portrait);
    if (!printer)
        return;
    if (!m_report.rich->printTo(*printer))
        showError(tr("The report could not be printed: the printer could not be started."));
}

} // namespace quillon
