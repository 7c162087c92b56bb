#include "report_window.h"

#include "document_print.h"
#include "layout.h"
#include "platform.h"
#include "quote_file.h"
#include "quote_folder.h"
#include "window_print.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace quillon {

namespace {

// Label backgrounds: the active title bar's text colour (which Qt does not expose; white in the
// standard scheme), the window-background colour, or the button face, which shows as a grey band.
enum class Band { TitleText, Window, Face };

struct ReportLabel {
    const char *name;
    const char *caption;
    int left;
    int top;
    int width;
    int height;
    Band band;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

// In twips, in reading order.
constexpr ReportLabel kLabels[] = {
    {"Label19", "Product:", 240, 0, 615, 255, Band::Window, kRight},
    {"Label20", "Label20", 960, 0, 2295, 255, Band::TitleText, kLeft},
    {"Label21", "Label21", 3480, 0, 1215, 255, Band::TitleText, kLeft},
    {"Label32", "Label32", 3480, 240, 1215, 255, Band::TitleText, kLeft},
    {"Label30", "Client:", 240, 360, 615, 255, Band::TitleText, kRight},
    {"Label31", "Label31", 960, 360, 2295, 255, Band::TitleText, kLeft},
    {"Label1", "Purchase Price GST Includedd", 240, 600, 2295, 255, Band::TitleText, kRight},
    {"Label22", "$", 2760, 600, 135, 375, Band::TitleText, kLeft},
    {"Label10", "Label10", 3000, 600, 1215, 255, Band::TitleText, kLeft},
    {"Label2", "GST Paid", 240, 960, 2295, 255, Band::TitleText, kRight},
    {"Label23", "$", 2760, 960, 135, 375, Band::TitleText, kLeft},
    {"Label11", "Label11", 3000, 960, 1215, 255, Band::TitleText, kLeft},
    {"Label3", "Purchase Price minus GST", 240, 1320, 2295, 255, Band::TitleText, kRight},
    {"Label27", "$", 2760, 1320, 135, 375, Band::TitleText, kLeft},
    {"Label12", "Label12", 3000, 1320, 1215, 255, Band::TitleText, kLeft},
    {"Label4", "Markup Percentage", 240, 1800, 2295, 255, Band::TitleText, kRight},
    {"Label13", "Label13", 3000, 1800, 1215, 255, Band::TitleText, kLeft},
    {"Label5", "Total with Markup", 240, 2400, 2295, 255, Band::TitleText, kRight},
    {"Label25", "$", 2760, 2400, 135, 375, Band::TitleText, kLeft},
    {"Label14", "Label14", 3000, 2400, 1215, 255, Band::TitleText, kLeft},
    {"Label6", "Customers GST", 240, 3000, 2295, 255, Band::TitleText, kRight},
    {"Label26", "$", 2760, 3000, 135, 375, Band::TitleText, kLeft},
    {"Label15", "Label15", 3000, 3000, 1215, 255, Band::TitleText, kLeft},
    {"Label7", "Sales Price Including GST", 240, 3600, 2295, 255, Band::TitleText, kRight},
    {"Label24", "$", 2760, 3600, 135, 375, Band::TitleText, kLeft},
    {"Label16", "Label16", 3000, 3600, 1215, 255, Band::TitleText, kLeft},
    {"Label8", "Cash held after sale", 240, 4080, 2295, 255, Band::TitleText, kRight},
    {"Label29", "$", 2760, 4080, 135, 375, Band::TitleText, kLeft},
    {"Label17", "Label17", 3000, 4080, 1215, 255, Band::TitleText, kLeft},
    {"Label39", "Activity Statement", 720, 4560, 1935, 255, Band::Face, kRight},
    {"Label33", "GST to be Paid", 720, 4920, 1935, 255, Band::Face, kRight},
    {"Label36", "Label36", 3000, 4920, 1335, 255, Band::Face, kLeft},
    {"Label34", "GST to be Claimed", 720, 5280, 1935, 255, Band::Face, kRight},
    {"Label37", "Label37", 3000, 5280, 1335, 255, Band::Face, kLeft},
    {"Label35", "Net GST Owing", 720, 5640, 1935, 255, Band::Face, kRight},
    {"Label38", "Label38", 3000, 5640, 1335, 255, Band::Face, kLeft},
    {"Label9", "Profit after GST", 240, 6120, 2295, 255, Band::TitleText, kRight},
    {"Label28", "$", 2760, 6120, 135, 375, Band::TitleText, kLeft},
    {"Label18", "Label18", 3000, 6120, 1215, 255, Band::TitleText, kLeft},
};

// Which label shows which part of the report, and the caption label that names it, if any.
struct ValueField {
    const char *label;
    QString QuoteReport::*field;
    const char *caption;
};

constexpr ValueField kValueFields[] = {
    {"Label21", &QuoteReport::date, nullptr},
    {"Label32", &QuoteReport::time, nullptr},
    {"Label20", &QuoteReport::product, "Label19"},
    {"Label31", &QuoteReport::client, "Label30"},
    {"Label10", &QuoteReport::purchasePrice, "Label1"},
    {"Label11", &QuoteReport::gstPaid, "Label2"},
    {"Label12", &QuoteReport::purchaseExGst, "Label3"},
    {"Label13", &QuoteReport::markup, "Label4"},
    {"Label14", &QuoteReport::totalWithMarkup, "Label5"},
    {"Label15", &QuoteReport::customerGst, "Label6"},
    {"Label16", &QuoteReport::salesPrice, "Label7"},
    {"Label17", &QuoteReport::cashHeld, "Label8"},
    {"Label18", &QuoteReport::profit, "Label9"},
    {"Label36", &QuoteReport::gstToPay, "Label33"},
    {"Label37", &QuoteReport::gstToClaim, "Label34"},
    {"Label38", &QuoteReport::netGstOwing, "Label35"},
};

QColor bandColour(Band band, const QPalette &system) {
    switch (band) {
    case Band::TitleText:
        return Qt::white;
    case Band::Window:
        return system.color(QPalette::Base);
    case Band::Face:
        return system.color(QPalette::Button);
    }
    return Qt::white;
}

QLabel *addReportLabel(QWidget *parent, const ReportLabel &placed, const QPalette &system) {
    QLabel *label =
        layout::addLabel(parent, QLatin1String(placed.name), QString::fromLatin1(placed.caption),
                         placed.left, placed.top, placed.width, placed.height);
    label->setAlignment(placed.alignment);
    // A long name shows only what fits; the box never grows or wraps.
    label->setFixedSize(label->size());
    label->setWordWrap(false);
    layout::setBackground(label, bandColour(placed.band, system));
    layout::setTextColour(label, system.color(QPalette::ButtonText));
    return label;
}

} // namespace

ReportWindow::ReportWindow(Platform &platform, std::function<QString()> quoteFolder,
                           QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_quoteFolder(std::move(quoteFolder)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Report"));
    setFont(layout::font());
    const QPalette system = palette();
    layout::setBackground(this, QColor(255, 255, 255));
    setGeometry(layout::rect(3615, 570, 4680, 6945));

    for (const ReportLabel &placed : kLabels)
        addReportLabel(this, placed, system);
    layout::addLine(this, QStringLiteral("Line1"), 120, 1680, 4440, 1680);
    layout::addLine(this, QStringLiteral("Line2"), 120, 3960, 4440, 3960);

    for (const ValueField &value : kValueFields) {
        auto *label = findChild<QLabel *>(QLatin1String(value.label));
        if (value.caption)
            layout::describeBy(label, findChild<QLabel *>(QLatin1String(value.caption)));
        m_valueLabels.append(label);
    }

    const auto addButton = [this](const char *name, const QString &caption, int left) {
        return layout::addButton(this, QLatin1String(name), caption, left, 6600, 1215, 255);
    };
    QPushButton *command2 = addButton("Command2", tr("Save to File"), 240);
    QPushButton *command3 = addButton("Command3", tr("View History"), 1680);
    m_command1 = addButton("Command1", tr("Print Report"), 3120);
    setTabOrder(m_command1, command2);
    setTabOrder(command2, command3);
    // The rules were added after the labels; a screen reader meets them between the rows.
    layout::stackInReadingOrder(this);

    // Escape closes the window, as its close button does; it presses no button.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_command1, &QPushButton::clicked, this, &ReportWindow::onCommand1Clicked);
    connect(command2, &QPushButton::clicked, this, &ReportWindow::onCommand2Clicked);
    connect(command3, &QPushButton::clicked, this, &ReportWindow::onCommand3Clicked);
}

void ReportWindow::setReport(const QuoteReport &report) {
    m_report = report;
    for (qsizetype i = 0; i < m_valueLabels.size(); ++i)
        m_valueLabels[i]->setText(report.*kValueFields[i].field);
}

void ReportWindow::present() {
    // A window that is already up may be hidden behind others or minimised.
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
    }
    show();
    activateWindow();
    m_command1->setFocus(Qt::OtherFocusReason);
}

void ReportWindow::showError(const QString &text) {
    m_platform.showMessage(this, text, tr("Error"), MessageIcon::Warning);
}

void ReportWindow::onCommand1Clicked() {
    const std::unique_ptr<QPrinter> printer = m_platform.defaultPrinter();
    if (!printer) {
        const QStringList installed = m_platform.installedPrinters();
        if (installed.isEmpty())
            showError(noPrinterInstalledText());
        else
            showError(tr("None of the printers installed (%1) is the default printer, so the "
                         "report cannot be printed.\nMake one of them the default in the "
                         "system's printer settings, or print from the Report tab, where you "
                         "choose the printer.")
                          .arg(installed.join(QStringLiteral(", "))));
        return;
    }
    printer->setDocName(quotePrintName());
    if (!printWidgetImage(*this, *printer))
        showError(tr("The report could not be printed: the printer could not be started."));
}

void ReportWindow::onCommand2Clicked() {
    const QString folder = m_quoteFolder();
    // Later commands expect the quote folder as the working folder; the append names the folder
    // itself, so it does not depend on the change.
    m_platform.setWorkingFolder(folder);
    // The reason names the file and what went wrong with it.
    if (const std::optional<QString> error = appendHistory(folder, historyRecord(m_report))) {
        showError(tr("The quote was not saved.\n%1").arg(*error));
        return;
    }
    m_platform.showMessage(this, tr("Quote Saved"), tr("Success"), MessageIcon::None);
}

void ReportWindow::onCommand3Clicked() {
    const QString folder = m_quoteFolder();
    if (folder.isEmpty()) {
        showError(noQuoteFolderText());
        return;
    }
    const QString file = quoteFilePath(folder);
    if (!QFileInfo(file).isFile()) {
        showError(tr("There is no quote history yet: %1 does not exist.")
                      .arg(QDir::toNativeSeparators(file)));
        return;
    }
    // The desktop's opener may give up after it started, once this handler has returned.
    const auto onFailure = [window = QPointer<ReportWindow>(this), file](const QString &reason) {
        if (window)
            window->showError(tr("The quote history %1 could not be shown in a text editor: %2.")
                                  .arg(QDir::toNativeSeparators(file), reason));
    };
    if (!m_platform.openInTextEditor(file, onFailure))
        showError(
            tr("No text editor could be started to show %1.").arg(QDir::toNativeSeparators(file)));
}

} // namespace quillon
