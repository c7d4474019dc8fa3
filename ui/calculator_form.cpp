#include "calculator_form.h"

#include "display_text.h"
#include "fonts.h"
#include "message_box.h"
#include "wrapping_button.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

#include <algorithm>

namespace plicora {
namespace {

enum class Kind { Description, Label, Field, CheckBox, Warning, Button, Output };

// One row per control: what both windows share, with the variant's differences filled in.
struct ControlRow {
    Control id;
    const char* name;
    Kind kind;
    const char* text;           // initial text or caption
    const char* accessibleName; // for controls without a caption of their own
};

std::array<ControlRow, controlCount> controlTable(const CalculatorVariant& variant) {
    return {{
        {Control::Text3, "Text3", Kind::Description, variant.description, "Descrizione"},
        {Control::Label1, "Label1", Kind::Label, variant.label1Caption, nullptr},
        {Control::Text1, "Text1", Kind::Field, "40", variant.label1Caption},
        {Control::FirstPageLabel, variant.firstPageLabelName, Kind::Label,
         variant.firstPageLabelCaption, nullptr},
        {Control::Text2, "Text2", Kind::Field, "1", variant.firstPageLabelCaption},
        {Control::Label3, "Label3", Kind::Label, "Separatore di sequenza", nullptr},
        {Control::Separatore, "Separatore", Kind::Field, ",", "Separatore di sequenza"},
        {Control::Check1, "Check1", Kind::CheckBox, "Invia su file la sequenza delle pagine",
         nullptr},
        {Control::OutOnFile, "OutOnFile", Kind::Field, "c:\\temp.txt", "Percorso del file"},
        {Control::Errore, "Errore", Kind::Warning, "", "Avviso"},
        {Control::Command1, "Command1", Kind::Button, variant.command1Caption, nullptr},
        {Control::Stampa, "Stampa", Kind::Output, "", "Sequenza delle pagine"},
    }};
}

QPlainTextEdit* createTextBox(QWidget* parent, const QString& text) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

// The substitutes of the window font run wider than the original, which would push the last
// line of a description out of its box: its font shrinks until every line fits on one row.
void fitLinesToWidth(QPlainTextEdit* box) {
    const qreal room = box->contentsRect().width() - 2 * box->document()->documentMargin() - 2;
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    QFont font = box->font();
    const auto widest = [&] {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line.trimmed()));
        return width;
    };
    while (widest() > room && font.pixelSize() > 10)
        font.setPixelSize(font.pixelSize() - 1);
    box->setFont(font);
}

QWidget* createControl(Kind kind, const QString& text, QWidget* parent) {
    switch (kind) {
    case Kind::Description: {
        auto* box = createTextBox(parent, text);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->document()->setDocumentMargin(1); // the description just fills its box
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
        return box;
    }
    case Kind::Label:
    case Kind::Warning: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case Kind::Field:
        return new QLineEdit(text, parent);
    case Kind::CheckBox:
        return new QCheckBox(text, parent);
    case Kind::Button:
        return new WrappingButton(text, parent);
    case Kind::Output: {
        auto* box = createTextBox(parent, text);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return box;
    }
    }
    return nullptr;
}

} // namespace

QWidget* CalculatorForm::widget(Control id) const {
    return controls_[static_cast<std::size_t>(id)];
}

template <typename T> T* CalculatorForm::control(Control id) const {
    return static_cast<T*>(widget(id));
}

CalculatorForm::CalculatorForm(const CalculatorVariant& variant) : variant_(variant) {
    setObjectName(QString::fromLatin1(variant.name));
    setWindowTitle(QStringLiteral("Plicora"));
    setFixedSize(variant.clientSize);
    createControls();

    text1_ = control<QLineEdit>(Control::Text1);
    text2_ = control<QLineEdit>(Control::Text2);
    separatore_ = control<QLineEdit>(Control::Separatore);
    check1_ = control<QCheckBox>(Control::Check1);
    outOnFile_ = control<QLineEdit>(Control::OutOnFile);
    errore_ = control<QLabel>(Control::Errore);
    stampa_ = control<QPlainTextEdit>(Control::Stampa);

    separatore_->setFont(designFont("MS Sans Serif", 24));
    // A separator is written up to six times per sheet: one pasted by mistake in the thousands of
    // characters would build listings of hundreds of megabytes and freeze the window.
    separatore_->setMaxLength(255);
    stampa_->setFont(fixedPitchFont(variant.stampaPoints));
    QPalette warning = errore_->palette();
    warning.setColor(QPalette::Window, QColor(170, 0, 0));
    warning.setColor(QPalette::WindowText, QColor(255, 255, 0));
    errore_->setPalette(warning);
    errore_->setAutoFillBackground(true);
    errore_->hide();
    outOnFile_->hide();

    connect(check1_, &QCheckBox::clicked, this, &CalculatorForm::onCheck1Clicked);
    connect(control<QPushButton>(Control::Command1), &QPushButton::clicked, this,
            &CalculatorForm::onCommand1Clicked);

    if (variant.centred) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CalculatorForm::createControls() {
    setFont(designFont("MS Sans Serif", 12));
    for (const ControlRow& row : controlTable(variant_)) {
        const QString text = displayText(QString::fromUtf8(row.text));
        QWidget* created = createControl(row.kind, text, this);
        created->setObjectName(QString::fromLatin1(row.name));
        created->setGeometry(variant_.geometry[static_cast<std::size_t>(row.id)]);
        created->setAccessibleName(row.accessibleName ? QString::fromUtf8(row.accessibleName)
                                                      : text);
        controls_[static_cast<std::size_t>(row.id)] = created;
    }
    fitLinesToWidth(control<QPlainTextEdit>(Control::Text3));
    control<QLabel>(Control::Label1)->setBuddy(widget(Control::Text1));
    control<QLabel>(Control::FirstPageLabel)->setBuddy(widget(Control::Text2));
    control<QLabel>(Control::Label3)->setBuddy(widget(Control::Separatore));

    const auto& order = variant_.focusOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(widget(order[i - 1]), widget(order[i]));
    widget(order.front())->setFocus();
}

void CalculatorForm::onCheck1Clicked() {
    outOnFile_->setVisible(check1_->isChecked());
}

void CalculatorForm::onCommand1Clicked() {
    apply(calculate({variant_.mode, text1_->text().toStdString(), text2_->text().toStdString(),
                     separatore_->text().toStdString(), check1_->isChecked(),
                     outOnFile_->text().toStdString()}));
}

void CalculatorForm::apply(const CalculationOutcome& outcome) {
    if (outcome.numbersRead && !variant_.appendsOutput)
        stampa_->clear();
    if (outcome.check) {
        if (outcome.check->adjusted) {
            text1_->setText(QString::fromStdString(outcome.check->pageCountText));
            errore_->setText(QString::fromStdString(outcome.check->pageWarning));
            errore_->show();
        } else {
            errore_->hide();
        }
    }
    if (outcome.listing) {
        // One edit at the end: no extra paragraph break, and no re-layout per line.
        QTextCursor end(stampa_->document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayText(*outcome.listing));
    }
    if (!outcome.error.empty())
        showMessage(this, QString::fromStdString(outcome.error));
}

void CalculatorForm::closeEvent(QCloseEvent* event) {
    hide();
    Q_EMIT closed();
    event->accept();
}

} // namespace plicora
