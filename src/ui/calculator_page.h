#pragma once

#include "price_calculation.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quillon {

// A result label of the Calculator tab and the amount of the pricing state that it shows.
struct ResultLabel {
    QLabel *label = nullptr;
    Money PricingState::*amount = nullptr;
};

// The controls of the Calculator tab that the main window works with.
struct CalculatorPage {
    QLineEdit *text1 = nullptr;              // purchase price, GST included
    QLineEdit *text9 = nullptr;              // GST rate in percent
    std::array<QRadioButton *, 9> options{}; // Option1 to Option9
    QPushButton *command1 = nullptr;         // Calculate
    QPushButton *command2 = nullptr;         // Reset
    std::array<ResultLabel, 10> results{};   // the ten result labels, top to bottom
};

// Creates the Calculator tab's controls on `page`, at their designed places.
CalculatorPage buildCalculatorPage(QWidget *page);

} // namespace quillon
