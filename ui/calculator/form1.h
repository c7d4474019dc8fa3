#pragma once

#include <QImage>
#include <QWidget>

namespace plicora {

struct CalculatorVariant;

// The main window: the picture, the title and the buttons that open a calculator window, show
// the help and end the program.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();

    // The help message, its lines joined by CR LF.
    static const char* const helpText;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onCommand1Clicked();
    void onCommand2Clicked();
    void onCommand3Clicked();
    void onCommand4Clicked();
    void openCalculator(const CalculatorVariant& variant);
    // The link beside the designed buttons, after `previous` in the tab order.
    void createPdfLink(QWidget* previous);
    void onPdfLinkClicked();

    QImage sharpPicture_; // for high-DPI screens, drawn on first need
};

} // namespace plicora
