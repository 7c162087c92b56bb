#pragma once

class QLabel;
class QTextEdit;
class QWidget;

namespace quillon {

class HyperlinkLabel;
class Platform;

// The controls of the About tab that tests and the focus order need.
struct AboutPage {
    QLabel *image1 = nullptr;         // maker's logo, drawn by drawAboutLogo()
    QTextEdit *text2 = nullptr;       // description
    QTextEdit *text3 = nullptr;       // contact lines
    HyperlinkLabel *hlink1 = nullptr; // home page
    HyperlinkLabel *hlink2 = nullptr; // support email
};

AboutPage buildAboutPage(QWidget *page, Platform &platform);
// Draws the maker's logo into the About page for the screen it is on. Nothing on the first frame
// needs it, so the main window draws it once it is shown.
void drawAboutLogo(const AboutPage &page);

} // namespace quillon
