#pragma once

#include <QDialog>

namespace plicora {

// Asks how the back of the printed test sheet came out, one button for each way a printer can
// feed the stack back, and says which manual-duplex options undo it. It doesn't block the
// window, whose "Apri" still opens the test to print.
class BackAnswerDialog : public QDialog {
    Q_OBJECT

public:
    // Asks `question`: the test sheet's files to print, or the test sheet printed.
    BackAnswerDialog(const QString& question, QWidget* parent);

Q_SIGNALS:
    // The backs' file must be written last sheet first (`reversed`), turned by 180° (`turned`).
    void answered(bool reversed, bool turned);
};

} // namespace plicora
