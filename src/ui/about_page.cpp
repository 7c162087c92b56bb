#include "about_page.h"

#include "artwork.h"
#include "hyperlink_label.h"
#include "layout.h"

#include <QLabel>
#include <QTextEdit>

namespace quillon {

namespace {

// Every blank is part of the text, those before the line breaks included.
const char kDescription[] = "This program was developed to help small bussinesses in \r\n"
                            "Australia with working out quotes now that the GST has \r\n"
                            "been introduced. It now also supports all countries.\r\n"
                            "\r\n"
                            "I hope you find it helpful. Could you please send \r\n"
                            "comments good or bad to the support email address \r\n"
                            "please.\r\n"
                            "\r\n"
                            "This program is completely Freeware.\r\n";

const char kContactLines[] = "Vellan Computers\r\n"
                             "12 Example Street\r\n"
                             "Sampleton\r\n"
                             "Exampleville NSW 2999\r\n"
                             "Phone: (02) 5550 0123\r\n";

// A multi-line box in the menu colour, so that it blends with the page.
QTextEdit *addTextBox(QWidget *page, const char *name, const char *text, int left, int top,
                      int width, int height) {
    auto *box = new QTextEdit(page);
    box->setObjectName(QLatin1String(name));
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    box->setGeometry(layout::rect(left, top, width, height));
    // Like the designed boxes, these have no scroll bars; the caret still scrolls them.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // QTextEdit keeps a CR as a visible character; a line break is one LF in the document.
    box->setPlainText(
        QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    layout::setBackground(box, page->palette().color(QPalette::Window));
    return box;
}

} // namespace

void drawAboutLogo(const AboutPage &page) {
    // Drawn for the screen's pixel density, so that the logo stays sharp when the desktop scales.
    page.image1->setPixmap(makerLogo(page.image1->devicePixelRatioF()));
}

AboutPage buildAboutPage(QWidget *page, Platform &platform) {
    AboutPage controls;

    auto *image = new QLabel(page);
    controls.image1 = image;
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(layout::pixels(120), layout::pixels(480), 128, 96);
    image->setAccessibleName(QStringLiteral("Vellan Computers logo"));

    QLabel *product = layout::addLabel(page, QStringLiteral("Label26"), QStringLiteral("Quillon"),
                                       2400, 720, 2055, 255);
    product->setFont(layout::font(9.75, true));
    product->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QLabel *version = layout::addLabel(page, QStringLiteral("Label25"),
                                       QStringLiteral("Version 3.0.0"), 2640, 1440, 1335, 375);
    version->setFont(layout::font(8.25, true));

    // Neither box has a caption beside it to name it for a screen reader.
    controls.text2 = addTextBox(page, "Text2", kDescription, 360, 2280, 4215, 2055);
    controls.text2->setAccessibleName(QStringLiteral("Description"));

    controls.hlink2 =
        new HyperlinkLabel(platform, QStringLiteral("Support Email"),
                           QUrl(QStringLiteral("mailto:support@vellan.example.com")), page);
    controls.hlink2->setObjectName(QStringLiteral("HLink2"));
    controls.hlink2->setGeometry(layout::rect(720, 4440, 1095, 255));

    controls.hlink1 =
        new HyperlinkLabel(platform, QStringLiteral("Home Page"),
                           QUrl(QStringLiteral("https://www.vellan.example.com/")), page);
    controls.hlink1->setObjectName(QStringLiteral("HLink1"));
    controls.hlink1->setGeometry(layout::rect(3120, 4440, 855, 255));
    layout::fitCaption(controls.hlink1);
    layout::fitCaption(controls.hlink2);

    controls.text3 = addTextBox(page, "Text3", kContactLines, 600, 4920, 3615, 1095);
    controls.text3->setAccessibleName(QStringLiteral("Contact details"));
    controls.text3->setFont(layout::font(8.25, true));
    QTextOption centred = controls.text3->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    controls.text3->document()->setDefaultTextOption(centred);
    controls.text3->setPlainText(controls.text3->toPlainText());
    layout::fitLines(controls.text2);
    layout::fitLines(controls.text3);
    return controls;
}

} // namespace quillon
