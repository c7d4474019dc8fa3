#pragma once

#include "output/calculation.h"
#include "ui/calculator/calculator_variant.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace plicora {

// A calculator window: the four-up Form2 or the eight-up Form3, as its variant says. It hands its
// fields to the calculation when Command1 is pressed and shows what comes back.
class CalculatorForm : public QWidget {
    Q_OBJECT

public:
    explicit CalculatorForm(const CalculatorVariant& variant);

Q_SIGNALS:
    // The user closed the window; it is already hidden.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onCheck1Clicked();
    void onCommand1Clicked();
    void apply(const CalculationOutcome& outcome);

    const CalculatorVariant& variant_;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* separatore_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QLineEdit* outOnFile_ = nullptr;
    QLabel* errore_ = nullptr;
    QPlainTextEdit* stampa_ = nullptr;
};

} // namespace plicora
