#include "ui/booklet/back_answer_dialog.h"

#include "ui/printing/back_picture.h"
#include "ui/shared/ui_messages.h"

#include <QLabel>
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

} // namespace

BackAnswerDialog::BackAnswerDialog(const QString& question, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RispostaProva"));
    setWindowTitle(QStringLiteral("Plicora"));
    auto* layout = new QVBoxLayout(this);
    auto* asked = new QLabel(question, this);
    asked->setObjectName(QStringLiteral("Domanda"));
    asked->setWordWrap(true);
    asked->setTextFormat(Qt::PlainText);
    asked->setAccessibleName(asked->text());
    layout->addWidget(asked);
    for (const Answer& answer : answers) {
        auto* button = new QPushButton(QString::fromUtf8(answer.caption), this);
        button->setObjectName(QString::fromLatin1(answer.name));
        button->setAutoDefault(false);
        button->setIcon(
            QIcon(backPicture(answer.reversed, answer.turned, palette(), devicePixelRatioF())));
        button->setIconSize(backPictureSize);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, answer] {
            Q_EMIT answered(answer.reversed, answer.turned);
            accept();
        });
    }
    auto* cancel = new QPushButton(QString::fromUtf8(notYetText), this);
    cancel->setObjectName(QStringLiteral("NonAncora"));
    cancel->setAutoDefault(false);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(480);
}

} // namespace plicora
