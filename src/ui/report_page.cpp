#include "report_page.h"

#include "layout.h"
#include "rich_text_box.h"

namespace quillon {

ReportPage buildReportPage(QWidget *page) {
    ReportPage controls;
    controls.rich = new RichTextBox(page);
    controls.rich->setObjectName(QStringLiteral("Rich"));
    controls.rich->setGeometry(layout::rect(120, 480, 4695, 5175));
    // Tab moves on to the buttons below rather than typing into the report, which is laid out
    // with blanks; a tab character still comes in by pasting or from an opened file.
    controls.rich->setTabChangesFocus(true);
    controls.command3 = layout::addButton(page, QStringLiteral("Command3"),
                                          QStringLiteral("View Report"), 120, 5760, 1095, 375);
    controls.command4 = layout::addButton(page, QStringLiteral("Command4"),
                                          QStringLiteral("Save Report"), 1320, 5760, 1095, 375);
    controls.command5 = layout::addButton(page, QStringLiteral("Command5"),
                                          QStringLiteral("Open Report"), 2520, 5760, 1095, 375);
    controls.command6 = layout::addButton(page, QStringLiteral("Command6"),
                                          QStringLiteral("Print Report"), 3720, 5760, 1095, 375);
    return controls;
}

} // namespace quillon
