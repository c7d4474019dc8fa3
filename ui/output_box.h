#pragma once

#include <QPlainTextEdit>

namespace plicora {

// The box the listings are shown in: a plain text box in which Ctrl+Down and Ctrl+Up move to the
// next and previous paragraph, a line of a listing, as they do in other desktop text boxes and
// as screen reader users expect; with Shift they select.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plicora
