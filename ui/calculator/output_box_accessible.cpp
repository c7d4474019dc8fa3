#include "ui/calculator/output_box_accessible.h"

#include "ui/calculator/output_box.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace plicora {

OutputBoxAccessible::OutputBoxAccessible(OutputBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

OutputBox* OutputBoxAccessible::box() const {
    return static_cast<OutputBox*>(widget());
}

void* OutputBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State OutputBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    return state;
}

QString OutputBoxAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return box()->toPlainText();
    return QAccessibleWidget::text(type);
}

void OutputBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const QTextCursor cursor = box()->textCursor();
    const bool selected = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = selected ? cursor.selectionStart() : 0;
    *endOffset = selected ? cursor.selectionEnd() : 0;
}

int OutputBoxAccessible::selectionCount() const {
    return box()->textCursor().hasSelection() ? 1 : 0;
}

void OutputBoxAccessible::select(int startOffset, int endOffset) {
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(std::clamp(startOffset, 0, characterCount()));
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

void OutputBoxAccessible::addSelection(int startOffset, int endOffset) {
    select(startOffset, endOffset); // one selection at most, as the box has
}

void OutputBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        setCursorPosition(cursorPosition());
}

void OutputBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        select(startOffset, endOffset);
}

int OutputBoxAccessible::cursorPosition() const {
    return box()->textCursor().position();
}

void OutputBoxAccessible::setCursorPosition(int position) {
    select(position, position);
}

QString OutputBoxAccessible::text(int startOffset, int endOffset) const {
    return box()->toPlainText().mid(startOffset, endOffset - startOffset);
}

// A paragraph is a line of the listing without its line end, and a line one as the box shows it
// wrapped; other boundaries as any text has them.
QString OutputBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
    const QTextBlock block = box()->document()->findBlock(offset);
    if (!block.isValid() || (boundaryType != QAccessible::ParagraphBoundary &&
                             boundaryType != QAccessible::LineBoundary))
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    *startOffset = block.position();
    *endOffset = block.position() + block.length() - 1;
    if (boundaryType == QAccessible::LineBoundary && block.layout()) {
        box()->document()->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLine line = block.layout()->lineForTextPosition(offset - block.position());
        if (line.isValid()) {
            *startOffset = block.position() + line.textStart();
            *endOffset = *startOffset + line.textLength();
        }
    }
    return text(*startOffset, *endOffset);
}

int OutputBoxAccessible::characterCount() const {
    return static_cast<int>(box()->toPlainText().size());
}

QRect OutputBoxAccessible::characterRect(int offset) const {
    return box()->characterRect(offset);
}

int OutputBoxAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inViewport = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(inViewport))
        return -1;
    return box()->cursorForPosition(inViewport).position();
}

void OutputBoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    select(startIndex, endIndex);
    box()->ensureCursorVisible();
}

// The box has one font throughout: its family and size in points, as screen readers report them.
QString OutputBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset > *endOffset) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const QFont font = box()->font();
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;")
        .arg(font.family())
        .arg(qRound(font.pointSizeF()));
}

void OutputBoxAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void OutputBoxAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void OutputBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    select(startOffset, endOffset);
    QTextCursor cursor = box()->textCursor();
    cursor.insertText(text);
    box()->setTextCursor(cursor);
}

} // namespace plicora
