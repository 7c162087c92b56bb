#pragma once

class QPushButton;
class QWidget;

namespace quillon {

class RichTextBox;

// The controls of the Report tab.
struct ReportPage {
    RichTextBox *rich = nullptr;
    QPushButton *command3 = nullptr; // View Report
    QPushButton *command4 = nullptr; // Save Report
    QPushButton *command5 = nullptr; // Open Report
    QPushButton *command6 = nullptr; // Print Report
};

ReportPage buildReportPage(QWidget *page);

} // namespace quillon
