#pragma once

#include "quote_report.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace quillon {

class Platform;

// The quote report window (Form2): one quote as a printable sheet, with commands to print it,
// append it to the quote history and show that history.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // `quoteFolder` is asked each time a command needs the folder that holds the quote file.
    ReportWindow(Platform &platform, std::function<QString()> quoteFolder,
                 QWidget *parent = nullptr);

    // Fills the value labels.
    void setReport(const QuoteReport &report);
    // The report the labels show.
    const QuoteReport &report() const { return m_report; }

    // Shows the window where it was designed to stand (or raises it), focus on Print Report.
    void present();

private:
    void onCommand1Clicked(); // Print Report
    void onCommand2Clicked(); // Save to File
    void onCommand3Clicked(); // View History

    void showError(const QString &text);

    Platform &m_platform;
    std::function<QString()> m_quoteFolder;
    QuoteReport m_report;
    QList<QLabel *> m_valueLabels; // in the order of the report's fields
    QPushButton *m_command1 = nullptr;
};

} // namespace quillon
