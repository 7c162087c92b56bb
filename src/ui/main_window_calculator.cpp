// The Calculator tab's commands: Calculate, Reset and the custom markup choice.
#include "main_window.h"

#include "amount_format.h"
#include "quote_from_pricing.h"
#include "rich_text_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace quillon {

namespace {

NumberLocale userNumberLocale() {
    return NumberLocale::fromLocale(QLocale());
}

const QString kWarningTitle = QStringLiteral("Error Value Found");
const QString kEmptyPriceMessage =
    QStringLiteral("Error encountered Please Enter a Value,\r\nthen please retry.");
const QString kRateMessage =
    QStringLiteral("The GST rate box is empty or does not hold a rate, so no GST is worked out.\r\n"
                   "Please enter the GST rate in percent, for example 10.");
const QString kMarkupPrompt = QStringLiteral(
    "Type the markup percentage you would like to use in a whole number for eg. 200");
const QString kMarkupTitle = QStringLiteral("Custom Markup");
const QString kRefusedMarkupMessage =
    QStringLiteral("The markup \"%1\" is not a number, so the 5% markup is chosen.\r\n"
                   "To use your own, choose Custom Markup % again and type a percentage, for "
                   "example 12.5.");
const QString kOutOfRangeMessage =
    QStringLiteral("The price, GST rate or markup is out of range.\r\n"
                   "Please check them and try again.");

} // namespace

int MainWindow::selectedOption() const {
    for (int i = 0; i < 9; ++i) {
        if (m_calculator.options[i]->isChecked())
            return i + 1;
    }
    return 0;
}

void MainWindow::showResults() {
    const NumberLocale locale = userNumberLocale();
    for (const ResultLabel &result : m_calculator.results)
        result.label->setText(formatAmount(m_pricing.*result.amount, locale));
}

void MainWindow::onCommand1Clicked() {
    const CalculationInput input{m_calculator.text1->text(), m_calculator.text9->text(),
                                 selectedOption()};
    const CalculationResult result = calculate(input, m_pricing, userNumberLocale());
    if (result.emptyPriceWarning) {
        m_platform.showMessage(this, kEmptyPriceMessage, kWarningTitle, MessageIcon::Warning);
    }
    if (result.unreadablePriceWarning) {
        const QString message = tr("The purchase price could not be read as an amount.\r\n"
                                   "Please type it as your locale writes money, for example %1.")
                                    .arg(QLocale().toString(1234.56, 'f', 2));
        m_platform.showMessage(this, message, kWarningTitle, MessageIcon::Warning);
    }
    if (result.rateWarning)
        m_platform.showMessage(this, kRateMessage, kWarningTitle, MessageIcon::Warning);
    if (result.outOfRange) {
        m_platform.showMessage(this, kOutOfRangeMessage, kWarningTitle, MessageIcon::Warning);
        return;
    }
    m_pricing = result.state;
    showResults();
}

void MainWindow::onCommand2Clicked() {
    m_report.rich->clear();
    m_report.rich->forgetOpenedFile();
    m_calculator.text1->clear();
    for (const ResultLabel &result : m_calculator.results)
        result.label->setText(QStringLiteral("0"));
    // The options form one exclusive group: selecting the first clears the rest.
    m_calculator.options[0]->setChecked(true);
    m_calculator.options[8]->setText(QStringLiteral("Custom Markup %"));
    m_calculator.text1->setFocus();
}

void MainWindow::onOption9Clicked() {
    const QString typed = m_platform.askText(this, kMarkupPrompt, kMarkupTitle);
    // On one line, as the quote's names are, so that a pasted line break reaches neither the
    // caption nor the quote and its file; blanks around a number mean nothing.
    const QString answer = oneLineName(typed).trimmed();
    m_pricing.customMarkupText = answer;
    const std::optional<double> rate = customMarkupRate(answer, userNumberLocale());
    if (!rate) {
        m_calculator.options[0]->setChecked(true);
        // Cancel gives the empty answer too: only an answer that was typed is refused aloud.
        if (!answer.isEmpty())
            m_platform.showMessage(this, kRefusedMarkupMessage.arg(answer), kMarkupTitle,
                                   MessageIcon::Warning);
        return;
    }
    m_pricing.customMarkupRate = rate;
    // The caption shows the answer as typed, with its percent sign: an "&" in it is no keyboard
    // mnemonic.
    QString caption = markupText(9, answer).value_or(QString());
    m_calculator.options[8]->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
}

} // namespace quillon
