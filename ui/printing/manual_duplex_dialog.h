#pragma once

#include <QDialog>

namespace plicora {

// Between the fronts and the backs of a booklet printed without duplex: a picture of how to put
// the printed stack back into the tray, and "Continua" (accept) to print the backs or "Annulla"
// (reject) to send nothing more.
class ManualDuplexDialog : public QDialog {
    Q_OBJECT

public:
    // The backs will print last sheet first (`reversed`) and turned by 180° (`turned`), as the
    // test sheet's answer asked.
    ManualDuplexDialog(bool reversed, bool turned, QWidget* parent);
};

} // namespace plicora
