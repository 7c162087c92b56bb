#include "sysinfo_page.h"

#include "layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quillon {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);

// The designed box of the welcome label, and the room the page leaves it.
constexpr int kWelcomeLeft = 1920, kWelcomeTop = 360, kWelcomeWidth = 1125, kWelcomeHeight = 360;
constexpr int kPageMargin = 8;
// The greeting may go below the body text's size for a long name, as far as the multi-line boxes
// go; at the body size a name of 30 wide letters would still be cut off. One pixel below them
// leaves room for the wider glyphs some systems' font rendering gives the same face.
constexpr int kSmallestGreetingPixels = 8;

QLabel *addHeading(QWidget *page, const char *name, const char *caption, int left, int top,
                   int width, int height) {
    QLabel *label = layout::addLabel(page, QLatin1String(name), QLatin1String(caption), left, top,
                                     width, height);
    label->setFont(layout::font(8.25, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// Black boxes in the menu-text colour of the standard scheme.
void paintOnBlack(QWidget *box, const QColor &text) {
    layout::setBackground(box, Qt::black);
    layout::setTextColour(box, text);
}

} // namespace

SysInfoPage buildSysInfoPage(QWidget *page) {
    SysInfoPage controls;

    controls.lblWelcome =
        layout::addLabel(page, QStringLiteral("lblWelcome"), QStringLiteral("Label28"),
                         kWelcomeLeft, kWelcomeTop, kWelcomeWidth, kWelcomeHeight);
    controls.lblWelcome->setFont(layout::font(13.5, true));
    controls.lblWelcome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout::setTextColour(controls.lblWelcome, kBlue);

    QLabel *memoryHeading = addHeading(page, "lab", "System Memory", 1440, 840, 2055, 255);

    controls.text4 = new QPlainTextEdit(QStringLiteral("Text4"), page);
    controls.text4->setObjectName(QStringLiteral("Text4"));
    controls.text4->setGeometry(layout::rect(960, 1080, 3015, 1575));
    controls.text4->setLineWrapMode(QPlainTextEdit::NoWrap);
    // No scroll bars: the summary is fitted to the box when it is filled, and a bar would hide
    // its last line. The empty line after its final line break needs none either.
    controls.text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls.text4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controls.text4->setTabChangesFocus(true);
    paintOnBlack(controls.text4, kYellow);
    memoryHeading->setBuddy(controls.text4);

    QLabel *connectionsHeading = addHeading(page, "Label27", "You are", 1440, 2760, 2055, 255);

    controls.txtResults = new QTextEdit(page);
    controls.txtResults->setObjectName(QStringLiteral("txtResults"));
    controls.txtResults->setAcceptRichText(false);
    controls.txtResults->setTabChangesFocus(true);
    controls.txtResults->setGeometry(layout::rect(960, 3000, 3015, 285));
    // One line high: a scroll bar would cover it. Further lines scroll with the caret or wheel.
    controls.txtResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred = controls.txtResults->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    controls.txtResults->document()->setDefaultTextOption(centred);
    controls.txtResults->setPlainText(QStringLiteral("Text5"));
    paintOnBlack(controls.txtResults, kRed);
    connectionsHeading->setBuddy(controls.txtResults);

    QLabel *running =
        layout::addLabel(page, QStringLiteral("Label28"),
                         QStringLiteral("Windows has been running for!"), 360, 3480, 4215, 375);
    running->setFont(layout::font(12, true));
    running->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout::setTextColour(running, kDarkRed);

    // A label names one buddy only, and the heading names all four boxes; each says which part
    // of the running time it holds.
    constexpr const char *kUptimeParts[] = {"days", "hours", "minutes", "seconds"};
    for (int i = 0; i < 4; ++i) {
        auto *box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("Text%1").arg(5 + i));
        box->setAccessibleName(running->text());
        box->setAccessibleDescription(QLatin1String(kUptimeParts[i]));
        box->setGeometry(layout::rect(600, 3960 + 360 * i, 3735, 375));
        box->setFont(layout::font(12, true));
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(false);
        // Reachable by the mouse, skipped by the Tab key.
        box->setFocusPolicy(Qt::ClickFocus);
        layout::setBackground(box, kYellow);
        controls.uptime[i] = box;
    }
    return controls;
}

void showGreeting(QLabel *lblWelcome, const QString &greeting) {
    lblWelcome->setText(greeting);
    const QWidget *page = lblWelcome->parentWidget();
    const int room = page->width() - 2 * kPageMargin;
    const QRect designed = layout::rect(kWelcomeLeft, kWelcomeTop, kWelcomeWidth, kWelcomeHeight);

    QFont font = layout::font(13.5, true);
    int needed = QFontMetrics(font).horizontalAdvance(greeting) + 4;
    while (needed > room && font.pixelSize() > kSmallestGreetingPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        needed = QFontMetrics(font).horizontalAdvance(greeting) + 4;
    }
    lblWelcome->setFont(font);

    const int width = qBound(designed.width(), needed, room);
    const int left =
        qBound(kPageMargin, designed.center().x() - width / 2, page->width() - kPageMargin - width);
    lblWelcome->setGeometry(left, designed.top(), width, designed.height());
}

} // namespace quillon
