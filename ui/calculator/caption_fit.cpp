#include "ui/calculator/caption_fit.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>

#include <algorithm>

namespace plicora {
namespace {

constexpr qreal smallestPixels = 10;

bool linesFitWidth(const QPlainTextEdit* box) {
    const qreal room = box->contentsRect().width() - 2 * box->document()->documentMargin() - 2;
    const QFontMetricsF metrics(box->font(), box);
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    return std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
        return metrics.horizontalAdvance(line.trimmed()) <= room;
    });
}

bool checkBoxFits(const QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    // An Alt letter's "&" takes no room: it underlines the letter after it.
    return QFontMetricsF(box->font(), box).size(Qt::TextShowMnemonic, box->text()).width() <=
           text.width();
}

// The button's caption wraps at word boundaries within the style's contents rectangle.
bool buttonFits(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QRect needed = button->fontMetrics().boundingRect(
        room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
    return room.contains(needed);
}

bool labelFits(const QLabel* label) {
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QRect room = label->contentsRect();
    const QSize needed = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

bool captionFits(const QWidget* control) {
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return linesFitWidth(box);
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return checkBoxFits(box);
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return buttonFits(button);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelFits(label);
    return true;
}

void fitCaption(QWidget* control) {
    QFont font = control->font();
    const qreal pixel = font.pointSizeF() / control->fontInfo().pixelSize();
    while (!captionFits(control) && font.pointSizeF() > smallestPixels * pixel) {
        font.setPointSizeF(font.pointSizeF() - pixel);
        control->setFont(font);
    }
}

} // namespace plicora
