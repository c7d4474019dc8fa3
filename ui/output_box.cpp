#include "output_box.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace plicora {

void OutputBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool down = event->key() == Qt::Key_Down;
    if ((!down && event->key() != Qt::Key_Up) || !(modifiers & Qt::ControlModifier) ||
        (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const auto mode =
        modifiers & Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    QTextCursor cursor = textCursor();
    if (down) {
        if (!cursor.movePosition(QTextCursor::NextBlock, mode)) // from the last line, its end
            cursor.movePosition(QTextCursor::End, mode);
    } else {
        // To the start of the line, or of the one before when already there.
        cursor.movePosition(
            cursor.atBlockStart() ? QTextCursor::PreviousBlock : QTextCursor::StartOfBlock, mode);
    }
    setTextCursor(cursor);
    event->accept();
}

} // namespace plicora
