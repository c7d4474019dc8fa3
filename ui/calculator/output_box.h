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

    // The rectangle of the character at `offset` in the box's text, in screen coordinates, as the
    // box draws it; empty for an offset outside the text.
    QRect characterRect(int offset) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plicora
