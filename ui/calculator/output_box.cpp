#include "ui/calculator/output_box.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace plicora {

QRect OutputBox::characterRect(int offset) const {
    const QTextBlock block = document()->findBlock(offset);
    if (!block.isValid() || !block.layout() || offset < 0)
        return {};
    // Each block at its own place in the viewport, which Qt's text interface leaves out: the
    // heights of the blocks from the first one shown, each laid out if it is not yet. (Qt's own
    // block geometry stops counting two screens away.)
    const QAbstractTextDocumentLayout* layout = document()->documentLayout();
    QPointF blockTop = contentOffset();
    QTextBlock shown = firstVisibleBlock();
    for (; shown.isValid() && shown.blockNumber() < block.blockNumber(); shown = shown.next())
        blockTop.ry() += layout->blockBoundingRect(shown).height();
    for (; shown.isValid() && shown.blockNumber() > block.blockNumber();) {
        shown = shown.previous();
        blockTop.ry() -= layout->blockBoundingRect(shown).height();
    }
    layout->blockBoundingRect(block); // lays it out
    const int inBlock = offset - block.position();
    const QTextLine line = block.layout()->lineForTextPosition(inBlock);
    if (!line.isValid())
        return {};
    const qreal left = line.cursorToX(inBlock), right = line.cursorToX(inBlock + 1);
    const QRectF inViewport(blockTop.x() + left, blockTop.y() + line.y(),
                            std::max(right - left, 1.0), line.height());
    return QRect(viewport()->mapToGlobal(inViewport.topLeft().toPoint()),
                 inViewport.size().toSize());
}

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
