#pragma once

#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace quillon {

// The controls of the Sys Info tab.
struct SysInfoPage {
    QLabel *lblWelcome = nullptr;
    QPlainTextEdit *text4 = nullptr;     // memory figures
    QTextEdit *txtResults = nullptr;     // dial-up connections
    std::array<QLineEdit *, 4> uptime{}; // Text5 to Text8
};

SysInfoPage buildSysInfoPage(QWidget *page);

// Shows `greeting` in the welcome label, widening the label about its centre as far as the page
// allows and using a smaller face only when even that is too narrow, so that a long name stays
// whole and readable.
void showGreeting(QLabel *lblWelcome, const QString &greeting);

} // namespace quillon
