#include "report_page.h"

#include "layout.h"
#include "rich_text_box.h"

#include <QPushButton>

namespace quillon {

namespace {

QPushButton *addButton(QWidget *page, const char *name, const char *caption, int left) {
    auto *button = new QPushButton(QLatin1String(caption), page);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(layout::rect(left, 5760, 1095, 375));
    button->setAutoDefault(false);
    return button;
}

} // namespace

ReportPage buildReportPage(QWidget *page) {
    ReportPage controls;
    controls.rich = new RichTextBox(page);
    controls.rich->setObjectName(QStringLiteral("Rich"));
    controls.rich->setGeometry(layout::rect(120, 480, 4695, 5175));
    controls.command3 = addButton(page, "Command3", "View Report", 120);
    controls.command4 = addButton(page, "Command4", "Save Report", 1320);
    controls.command5 = addButton(page, "Command5", "Open Report", 2520);
    controls.command6 = addButton(page, "Command6", "Print Report", 3720);
    return controls;
}

} // namespace quillon
