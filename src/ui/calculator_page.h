#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quillon {

// The controls of the Calculator tab that the main window works with.
struct CalculatorPage {
    QLineEdit *text1 = nullptr;              // purchase price, GST included
    QLineEdit *text9 = nullptr;              // GST rate in percent
    std::array<QRadioButton *, 9> options{}; // Option1 to Option9
    QPushButton *command1 = nullptr;         // Calculate
    QPushButton *command2 = nullptr;         // Reset
    QLabel *label1 = nullptr;
    QLabel *label2 = nullptr;
    QLabel *label8 = nullptr;
    QLabel *label9 = nullptr;
    QLabel *label17 = nullptr;
    QLabel *label20 = nullptr;
    QLabel *label24 = nullptr;
    QLabel *label32 = nullptr;
    QLabel *label33 = nullptr;
    QLabel *label34 = nullptr;
};

// Creates the Calculator tab's controls on `page`, at their designed places.
CalculatorPage buildCalculatorPage(QWidget *page);

} // namespace quillon
