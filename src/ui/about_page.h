#pragma once

class QTextEdit;
class QWidget;

namespace quillon {

class HyperlinkLabel;
class Platform;

// The controls of the About tab that tests and the focus order need.
struct AboutPage {
    QTextEdit *text2 = nullptr;       // description
    QTextEdit *text3 = nullptr;       // contact lines
    HyperlinkLabel *hlink1 = nullptr; // home page
    HyperlinkLabel *hlink2 = nullptr; // support email
};

AboutPage buildAboutPage(QWidget *page, Platform &platform);

} // namespace quillon
