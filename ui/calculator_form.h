#pragma once

#include "calculator_variant.h"
#include "output/calculation.h"

#include <QWidget>

#include <array>

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
    void createControls();
    QWidget* widget(Control id) const;
    template <typename T> T* control(Control id) const;

    const CalculatorVariant& variant_;
    std::array<QWidget*, controlCount> controls_{};
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* separatore_;
    QCheckBox* check1_;
    QLineEdit* outOnFile_;
    QLabel* errore_;
    QPlainTextEdit* stampa_;
};

} // namespace plicora
