// The Calculator tab's commands: Calculate, Reset and the custom markup choice.
#include "main_window.h"

#include "amount_format.h"
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

} // namespace

int MainWindow::selectedOption() const {
    for (int i = 0; i < 9; ++i) {
        if (m_calculator.options[i]->isChecked())
            return i + 1;
    }
    return 0;
}

void MainWindow::showResults(const ResultLabels &labels) {
    m_calculator.label1->setText(labels.label1);
    m_calculator.label2->setText(labels.label2);
    m_calculator.label9->setText(labels.label9);
    m_calculator.label8->setText(labels.label8);
    m_calculator.label20->setText(labels.label20);
    m_calculator.label17->setText(labels.label17);
    m_calculator.label24->setText(labels.label24);
    m_calculator.label32->setText(labels.label32);
    m_calculator.label33->setText(labels.label33);
    m_calculator.label34->setText(labels.label34);
}

void MainWindow::onCommand1Clicked() {
    const CalculationInput input{m_calculator.text1->text(), m_calculator.text9->text(),
                                 selectedOption()};
    const CalculationResult result = calculate(input, m_pricing, userNumberLocale());
    if (result.emptyPriceWarning) {
        m_platform.showMessage(this, emptyPriceMessage(), calculationWarningTitle(),
                               MessageIcon::Warning);
    }
    if (result.outOfRange) {
        m_platform.showMessage(this, outOfRangeMessage(), calculationWarningTitle(),
                               MessageIcon::Warning);
        return;
    }
    m_pricing = result.state;
    showResults(result.labels);
}

void MainWindow::onCommand2Clicked() {
    m_report.rich->clear();
    m_report.rich->forgetOpenedFile();
    m_calculator.text1->clear();
    for (QLabel *label :
         {m_calculator.label1, m_calculator.label2, m_calculator.label8, m_calculator.label9,
          m_calculator.label17, m_calculator.label20, m_calculator.label32, m_calculator.label33,
          m_calculator.label34, m_calculator.label24}) {
        label->setText(QStringLiteral("0"));
    }
    // The options form one exclusive group: selecting the first clears the rest.
    m_calculator.options[0]->setChecked(true);
    m_calculator.options[8]->setText(QStringLiteral("Custom Markup %"));
    m_calculator.text1->setFocus();
}

void MainWindow::onOption9Clicked() {
    const QString answer = m_platform.askText(
        this,
        QStringLiteral(
            "Type the markup percentage you would like to use in a whole number for eg. 200"),
        QStringLiteral("Custom Markup"));
    m_pricing.customMarkupText = answer;
    const std::optional<double> rate = customMarkupRate(answer, userNumberLocale());
    if (!rate) {
        m_calculator.options[0]->setChecked(true);
        return;
    }
    m_pricing.customMarkupRate = rate;
    m_calculator.options[8]->setText(answer + QLatin1Char('%'));
}

} // namespace quillon
