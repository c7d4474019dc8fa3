#include "back_answer_dialog.h"

#include "ui_messages.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace plicora {
namespace {

// One way the back can come out, and the options that set it right.
struct Answer {
    const char* name;
    const char* caption;
    bool reversed;
    bool turned;
};

const Answer answers[] = {
    {"Giusto", "Giusto: RETRO foglio 1, diritto", false, false},
    {"Capovolto", "Capovolto: RETRO foglio 1, sottosopra", false, true},
    {"Inverso", "In ordine inverso: RETRO foglio 2, diritto", true, false},
    {"InversoCapovolto", "Capovolto e in ordine inverso: RETRO foglio 2, sottosopra", true, true},
};

constexpr QSize pictureSize(84, 46);

// What the answer looks like behind sheet 1, drawn as the test prints it: "ALTO" with its arrow
// and the back's sheet number, upright or upside down. The caption says the same in words.
QIcon picture(const Answer& answer, const QPalette& palette, qreal ratio) {
    QPixmap pixmap(pictureSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(QPointF(1, 1), QSizeF(pictureSize) - QSizeF(2, 2));
    painter.setPen(palette.color(QPalette::Text));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(sheet);
    if (answer.turned) {
        painter.translate(sheet.center());
        painter.rotate(180);
        painter.translate(-sheet.center());
    }
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(sheet.adjusted(0, 3, 0, -3), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("\u2191 ALTO"));
    painter.drawText(sheet.adjusted(0, 3, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("RETRO %1").arg(answer.reversed ? 2 : 1));
    return QIcon(pixmap);
}

} // namespace

BackAnswerDialog::BackAnswerDialog(const QString& fronts, const QString& backs, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RispostaProva"));
    setWindowTitle(QStringLiteral("Plicora"));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(QString::fromUtf8(testSheetQuestion)
                                    .arg(QFileInfo(fronts).fileName(), QFileInfo(backs).fileName()),
                                this);
    question->setObjectName(QStringLiteral("Domanda"));
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    question->setAccessibleName(question->text());
    layout->addWidget(question);
    for (const Answer& answer : answers) {
        auto* button = new QPushButton(QString::fromUtf8(answer.caption), this);
        button->setObjectName(QString::fromLatin1(answer.name));
        button->setAutoDefault(false);
        button->setIcon(picture(answer, palette(), devicePixelRatioF()));
        button->setIconSize(pictureSize);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, answer] {
            Q_EMIT answered(answer.reversed, answer.turned);
            accept();
        });
    }
    auto* cancel = new QPushButton(QStringLiteral("Non ancora"), this);
    cancel->setObjectName(QStringLiteral("NonAncora"));
    cancel->setAutoDefault(false);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(480);
}

} // namespace plicora
