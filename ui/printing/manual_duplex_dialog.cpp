#include "ui/printing/manual_duplex_dialog.h"

#include "ui/printing/back_picture.h"
#include "ui/shared/ui_messages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace plicora {
namespace {

constexpr QSize pictureSize(320, 120);

// The printed stack, fronts up, turned over on its short edge into the tray: the top edge stays
// the top, left and right swap, and the blank backs face up. Drawn in the palette's colours.
QPixmap picture(const QPalette& palette, qreal ratio) {
    QPixmap pixmap(pictureSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette.color(QPalette::WindowText);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QSizeF sheet(112, 79);
    const QRectF before(QPointF(8, 30), sheet), after(QPointF(200, 30), sheet);
    for (const QRectF& stack : {before, after}) {
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(palette.color(QPalette::Base));
        for (int sheetDrawn = 2; sheetDrawn >= 0; --sheetDrawn)
            painter.drawRect(stack.translated(sheetDrawn * 3, sheetDrawn * 3));
        painter.drawText(stack.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromUtf8(topText));
    }
    painter.drawText(before, Qt::AlignCenter, QString::fromUtf8(firstFrontText));
    painter.drawText(after, Qt::AlignCenter, QString::fromUtf8(blankBackText));
    // The turn: over the axis between the short edges, shown as an arc from one stack to the other.
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc(QPointF(before.right() - 10, before.top() - 4));
    const QPointF to(after.left() + 10, after.top() - 4);
    arc.quadTo(QPointF((before.right() + after.left()) / 2, 0), to);
    painter.drawPath(arc);
    painter.drawLine(to, to + QPointF(-2, -8));
    painter.drawLine(to, to + QPointF(-8, -1));
    painter.drawText(
        QRectF(before.right(), before.center().y() - 10, after.left() - before.right(), 20),
        Qt::AlignCenter, QString::fromUtf8(shortSideText));
    return pixmap;
}

} // namespace

ManualDuplexDialog::ManualDuplexDialog(bool reversed, bool turned, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RimettiPila"));
    setWindowTitle(QStringLiteral("Plicora"));
    auto* layout = new QVBoxLayout(this);
    auto* drawing = new QLabel(this);
    drawing->setObjectName(QStringLiteral("Disegno"));
    drawing->setPixmap(picture(palette(), devicePixelRatioF()));
    layout->addWidget(drawing, 0, Qt::AlignHCenter);
    // The test sheet is mentioned only when its answer is known to have been given.
    auto* explanation = new QLabel(
        QString::fromUtf8(reversed || turned ? putBackAfterTestText : putBackText), this);
    explanation->setObjectName(QStringLiteral("Spiegazione"));
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);
    layout->addWidget(explanation);
    QString text = explanation->text();
    if (reversed || turned) {
        // The test sheet's answer, as its back came out: the backs are sent so that this time
        // they come out right.
        auto* answer = new QLabel(this);
        answer->setObjectName(QStringLiteral("RispostaProva"));
        answer->setPixmap(backPicture(reversed, turned, palette(), devicePixelRatioF()));
        auto* caption = new QLabel(QString::fromUtf8(putBackAnswerText), this);
        caption->setWordWrap(true);
        auto* row = new QHBoxLayout;
        row->addWidget(answer);
        row->addWidget(caption, 1);
        layout->addLayout(row);
        text += QLatin1Char(' ') + caption->text();
    }
    drawing->setAccessibleName(text);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* go =
        buttons->addButton(QString::fromUtf8(continueText), QDialogButtonBox::AcceptRole);
    go->setObjectName(QStringLiteral("Continua"));
    QPushButton* stop =
        buttons->addButton(QString::fromUtf8(cancelText), QDialogButtonBox::RejectRole);
    stop->setObjectName(QStringLiteral("Annulla"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(420);
}

} // namespace plicora
