#include "ui/booklet/sheet_view.h"

#include "ui/accessibility.h"

#include <QLabel>

namespace plicora {
namespace {

// `shape` as large as fits in `room`, its proportions kept, in whole pixels that never overflow it.
QSize fitted(QSizeF shape, QSizeF room) {
    const QSizeF size = shape.scaled(room, Qt::KeepAspectRatio);
    return {static_cast<int>(size.width()), static_cast<int>(size.height())};
}

// A side as large as it opens: the page numbers of a numbered document read at it.
constexpr int defaultSideWidth = 240;
// A side no smaller than this, so that the window fits small screens.
constexpr int minimumSideWidth = 120;
constexpr int gap = 12;

QLabel* paper(QWidget* parent, const char* name, bool framed) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    setAccessibleRole(label, QAccessible::Graphic); // before anything makes Qt's interface
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (!framed)
        return label; // the picture draws its own paper and frames
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QLabel* title(QWidget* parent, const char* text, const char* name) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

SheetView::SheetView(QWidget* parent)
    : QWidget(parent), frontTitle_(title(this, "Fronte", "FronteTitolo")),
      backTitle_(title(this, "Retro", "RetroTitolo")), front_(paper(this, "Fronte", true)),
      back_(paper(this, "Retro", true)), spread_(paper(this, "Lettura", false)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    spread_->hide();
}

void SheetView::showSides(QSizeF side) {
    side_ = side;
    spreadShown_ = false;
    place();
}

void SheetView::showSpread(QSizeF spread) {
    shape_ = spread;
    spreadShown_ = true;
    place();
}

QSize SheetView::sizeHint() const {
    const int height = qRound(defaultSideWidth * side_.height() / side_.width());
    return {2 * defaultSideWidth + gap, frontTitle_->sizeHint().height() + height};
}

QSize SheetView::minimumSizeHint() const {
    const int height = qRound(minimumSideWidth * side_.height() / side_.width());
    return {2 * minimumSideWidth + gap, frontTitle_->sizeHint().height() + height};
}

void SheetView::resizeEvent(QResizeEvent*) {
    place();
}

void SheetView::place() {
    const int titleHeight = frontTitle_->sizeHint().height();
    const QSize room(width(), height() - titleHeight);
    for (QWidget* sides : {static_cast<QWidget*>(frontTitle_), static_cast<QWidget*>(backTitle_),
                           static_cast<QWidget*>(front_), static_cast<QWidget*>(back_)})
        sides->setVisible(!spreadShown_);
    spread_->setVisible(spreadShown_);
    if (spreadShown_) {
        // The spread under the titles' space, so that the view doesn't jump when switched.
        const QSize size = fitted(shape_, QSizeF(room));
        spread_->setGeometry((width() - size.width()) / 2, titleHeight, size.width(),
                             size.height());
    } else {
        const QSize size = fitted(side_, QSizeF((room.width() - gap) / 2.0, room.height()));
        const int left = (width() - 2 * size.width() - gap) / 2;
        frontTitle_->setGeometry(left, 0, size.width(), titleHeight);
        backTitle_->setGeometry(left + size.width() + gap, 0, size.width(), titleHeight);
        front_->setGeometry(left, titleHeight, size.width(), size.height());
        back_->setGeometry(left + size.width() + gap, titleHeight, size.width(), size.height());
    }
    Q_EMIT resized();
}

} // namespace plicora
