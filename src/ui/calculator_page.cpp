#include "calculator_page.h"

#include "layout.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quillon {

namespace {

struct Placed {
    const char *name;
    const char *caption;
    int left, top, width, height;
};

// Captions and "$" signs, in reading order.
constexpr Placed kCaptions[] = {
    {"Label40", "%", 1920, 360, 255, 255},
    {"Label39", "GST Rate", 480, 480, 855, 255},
    {"Label11", "$", 2760, 600, 135, 255},
    {"Label3", "Purchase Price GST Included", 480, 720, 2175, 255},
    {"Label4", "GST Paid", 480, 960, 1215, 255},
    {"Label12", "$", 2760, 960, 135, 255},
    {"Label5", "Purchase Price minus GST", 480, 1320, 1935, 255},
    {"Label13", "$", 2760, 1320, 135, 255},
    {"Label6", "Markup", 2040, 1800, 735, 255},
    {"Label10", "Total with Markup", 480, 2640, 1815, 255},
    {"Label14", "$", 2760, 2640, 135, 255},
    {"Label22", "Customers GST", 480, 3000, 1935, 255},
    {"Label23", "$", 2760, 3000, 135, 255},
    {"Label7", "Sales Price Incuding GST", 480, 3360, 2175, 255},
    {"Label15", "$", 2760, 3360, 135, 255},
    {"Label16", "Cash held after sale", 480, 3840, 1575, 255},
    {"Label18", "$", 2760, 3840, 135, 255},
    {"Label38", "Activity Statement", 480, 4080, 1815, 255},
    {"Label29", "GST to be Paid", 480, 4320, 1935, 255},
    {"Label35", "$", 2160, 4320, 135, 255},
    {"Label30", "GST to be Claimed", 480, 4680, 1935, 255},
    {"Label36", "$", 2160, 4680, 135, 255},
    {"Label31", "Net GST Owing / Claimed", 480, 5040, 2175, 255},
    {"Label37", "$", 2760, 5040, 135, 255},
    {"Label19", "Profit after GST", 480, 5400, 1815, 255},
    {"Label21", "$", 2760, 5400, 135, 255},
};

// An option button that answers a click anywhere in its box, as the designed layout expects,
// not only on the indicator and the caption's letters.
class OptionButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &position) const override { return rect().contains(position); }

    // The Tab key stops at the chosen button of the group, however it was chosen (start-up,
    // Reset, the custom markup's fallback), and the arrow keys move within the group. Qt alone
    // moves the group's stop only when a button gets the focus.
    void checkStateSet() override {
        QRadioButton::checkStateSet();
        if (!isChecked() || !group())
            return;
        for (QAbstractButton *button : group()->buttons()) {
            const int policy = button == this ? button->focusPolicy() | Qt::TabFocus
                                              : button->focusPolicy() & ~Qt::TabFocus;
            button->setFocusPolicy(Qt::FocusPolicy(policy));
        }
    }
};

const QColor kOrange(255, 192, 128);
const QColor kCyan(192, 255, 255);
const QColor kGreen(192, 255, 192);
const QColor kTeal(0, 192, 192);

QLabel *findCaption(const QWidget *page, const char *name) {
    return page->findChild<QLabel *>(QLatin1String(name));
}

// A result label, where it stands, its colour, the caption that names it and what it shows.
struct Result {
    const char *name;
    int left, top;
    const QColor &back;
    const char *caption;
    Money PricingState::*amount;
};

const Result kResults[] = {
    {"Label1", 2880, 960, kOrange, "Label4", &PricingState::gstPaid},
    {"Label2", 2880, 1320, kOrange, "Label5", &PricingState::purchaseExGst},
    {"Label9", 2880, 2640, kCyan, "Label10", &PricingState::totalWithMarkup},
    {"Label24", 2880, 3000, kCyan, "Label22", &PricingState::customerGst},
    {"Label8", 2880, 3360, kCyan, "Label7", &PricingState::salesPrice},
    {"Label17", 2880, 3840, kGreen, "Label16", &PricingState::cashHeld},
    {"Label32", 2280, 4320, kCyan, "Label29", &PricingState::gstToPay},
    {"Label33", 2280, 4680, kOrange, "Label30", &PricingState::gstPaid},
    {"Label34", 2880, 5040, kCyan, "Label31", &PricingState::netGstOwing},
    {"Label20", 2880, 5400, kTeal, "Label19", &PricingState::profit},
};

ResultLabel addResult(QWidget *page, const Result &result) {
    QLabel *label = layout::addLabel(page, QLatin1String(result.name), QStringLiteral("0"),
                                     result.left, result.top, 1215, 255);
    layout::setBackground(label, result.back);
    layout::describeBy(label, findCaption(page, result.caption));
    return {label, result.amount};
}

QLineEdit *addTextBox(QWidget *page, const char *name, const QString &text, int left, int top,
                      int width, int height) {
    auto *box = new QLineEdit(text, page);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(layout::rect(left, top, width, height));
    return box;
}

} // namespace

CalculatorPage buildCalculatorPage(QWidget *page) {
    CalculatorPage controls;
    for (const Placed &caption : kCaptions) {
        layout::addLabel(page, QLatin1String(caption.name), QLatin1String(caption.caption),
                         caption.left, caption.top, caption.width, caption.height);
    }
    findCaption(page, "Label38")->setFont(layout::font(8.25, true));

    controls.text9 = addTextBox(page, "Text9", QStringLiteral("10"), 1320, 360, 495, 285);
    controls.text1 = addTextBox(page, "Text1", QString(), 2880, 600, 1215, 285);
    findCaption(page, "Label39")->setBuddy(controls.text9);
    findCaption(page, "Label3")->setBuddy(controls.text1);

    for (std::size_t i = 0; i < controls.results.size(); ++i)
        controls.results[i] = addResult(page, kResults[i]);

    layout::addLine(page, QStringLiteral("Line1"), 240, 1680, 4680, 1680);
    layout::addLine(page, QStringLiteral("Line2"), 240, 3720, 4680, 3720);
    layout::addLine(page, QStringLiteral("Line3"), 240, 5760, 4680, 5760);

    struct Option {
        const char *caption;
        int left, top, width;
    };
    constexpr Option kOptions[] = {
        {"5%", 360, 2040, 615},   {"10%", 360, 2280, 615},  {"15%", 1200, 2040, 615},
        {"20%", 1200, 2280, 615}, {"25%", 2040, 2040, 615}, {"30%", 2040, 2280, 615},
        {"35%", 2880, 2040, 735}, {"40%", 3720, 2040, 735}, {"Custom Markup %", 2880, 2280, 1575},
    };
    // One group, as the buttons share the tab control as their container.
    auto *group = new QButtonGroup(page);
    for (int i = 0; i < 9; ++i) {
        const Option &option = kOptions[i];
        auto *button = new OptionButton(QLatin1String(option.caption), page);
        button->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        button->setGeometry(layout::rect(option.left, option.top, option.width, 255));
        button->setAutoFillBackground(true);
        layout::fitCaption(button);
        group->addButton(button, i + 1);
        controls.options[i] = button;
    }

    controls.command1 = layout::addButton(page, QStringLiteral("Command1"),
                                          QStringLiteral("Calculate"), 600, 5880, 1455, 255);
    controls.command2 = layout::addButton(page, QStringLiteral("Command2"), QStringLiteral("Reset"),
                                          2880, 5880, 1455, 255);
    return controls;
}

} // namespace quillon
