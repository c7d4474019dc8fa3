#include "ui/calculator/calculator_form.h"

#include "ui/accessibility.h"
#include "ui/booklet/pdf_drop_target.h"
#include "ui/calculator/caption_fit.h"
#include "ui/calculator/fonts.h"
#include "ui/calculator/output_box.h"
#include "ui/calculator/wrapping_button.h"
#include "ui/shared/centre.h"
#include "ui/shared/message_box.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <new>

namespace plicora {
namespace {

// The most characters Stampa holds: a hundred of the longest eight-up listings, far above any
// real use, and far below what would exhaust the memory of a small machine.
constexpr qsizetype stampaCapacity = 64 * 1024 * 1024;

QPlainTextEdit* setUpTextBox(QPlainTextEdit* box) {
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* createControl(Kind kind, const QString& text, QWidget* parent) {
    switch (kind) {
    case Kind::Description: {
        auto* box = setUpTextBox(new QPlainTextEdit(text, parent));
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
        if (kind == Kind::Warning) { // announced when it appears, its words as its name
            setAccessibleRole(label, QAccessible::AlertMessage);
            label->setAccessibleDescription(QStringLiteral("Avviso"));
        }
        return label;
    }
    case Kind::Field:
        return new QLineEdit(text, parent);
    case Kind::CheckBox:
        return new QCheckBox(text, parent);
    case Kind::Button:
        return new WrappingButton(text, parent);
    case Kind::Output: {
        auto* box = setUpTextBox(new OutputBox(text, parent));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return box;
    }
    }
    return nullptr;
}

// The widget the table made for a control, as the kind its role needs.
template <typename T> T* as(QWidget* control) {
    auto* typed = qobject_cast<T*>(control);
    Q_ASSERT(typed);
    return typed;
}

} // namespace

CalculatorForm::CalculatorForm(const CalculatorVariant& variant) : variant_(variant) {
    setObjectName(QString::fromLatin1(variant.name));
    setWindowTitle(QStringLiteral("Plicora"));
    setFixedSize(variant.clientSize);
    setAccessibleRole(this, QAccessible::Window); // a frame with its caption, not a filler

    const Mode mode = variant.mode;
    std::array<QWidget*, controlCount> controls{};
    const auto at = [&controls](Control id) { return controls[static_cast<std::size_t>(id)]; };
    for (const ControlRow& row : calculatorControls()) {
        const QString text = QString::fromUtf8(row.text[mode]);
        QWidget* control = createControl(row.kind, text, this);
        control->setObjectName(QString::fromLatin1(row.name[mode]));
        control->setGeometry(row.geometry[mode]);
        control->setFont(row.fixedPitch ? fixedPitchFont(row.points[mode])
                                        : windowFont("MS Sans Serif", row.points[mode]));
        if (row.background.isValid()) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::Window, row.background);
            palette.setColor(QPalette::WindowText, row.foreground);
            control->setPalette(palette);
            control->setAutoFillBackground(true);
        }
        if (row.maxLength > 0)
            as<QLineEdit>(control)->setMaxLength(row.maxLength);
        if (row.label) {
            auto* label = as<QLabel>(at(*row.label));
            label->setBuddy(control);
            control->setAccessibleName(label->text());
        } else {
            control->setAccessibleName(row.accessibleName ? QString::fromUtf8(row.accessibleName)
                                                          : text);
        }
        if (row.hidden)
            control->hide();
        if (row.kind != Kind::Output)
            fitCaption(control);
        controls[static_cast<std::size_t>(row.id)] = control;
    }

    const auto& order = variant.focusOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(at(order[i - 1]), at(order[i]));
    at(order.front())->setFocus();

    text1_ = as<QLineEdit>(at(Control::Text1));
    text2_ = as<QLineEdit>(at(Control::Text2));
    separatore_ = as<QLineEdit>(at(Control::Separatore));
    check1_ = as<QCheckBox>(at(Control::Check1));
    outOnFile_ = as<QLineEdit>(at(Control::OutOnFile));
    errore_ = as<QLabel>(at(Control::Errore));
    stampa_ = as<QPlainTextEdit>(at(Control::Stampa));
    connect(check1_, &QCheckBox::clicked, this, &CalculatorForm::onCheck1Clicked);
    connect(as<QPushButton>(at(Control::Command1)), &QPushButton::clicked, this,
            &CalculatorForm::onCommand1Clicked);
    new PdfDropTarget(this, variant.mode);

    if (variant.centred)
        centreOnScreen(this);
}

void CalculatorForm::onCheck1Clicked() {
    outOnFile_->setVisible(check1_->isChecked());
}

void CalculatorForm::onCommand1Clicked() {
    const qsizetype held = variant_.appendsOutput ? stampa_->document()->characterCount() : 0;
    try {
        apply(calculate({.mode = variant_.mode,
                         .pageCountText = text1_->text().toStdString(),
                         .firstPageText = text2_->text().toStdString(),
                         .separator = separatore_->text().toStdString(),
                         .writeFile = check1_->isChecked(),
                         .filePath = outOnFile_->text().toStdString(),
                         .listingRoom = static_cast<std::size_t>(
                             std::max(stampaCapacity - held, qsizetype{0}))}));
    } catch (const std::bad_alloc&) {
        // The window, and everything the user has collected in it, goes on.
        showMessage(this, QString::fromUtf8(outOfMemoryMessage));
    }
}

void CalculatorForm::apply(const CalculationOutcome& outcome) {
    if (outcome.numbersRead && !variant_.appendsOutput)
        stampa_->clear();
    if (outcome.check) {
        if (outcome.check->adjusted) {
            text1_->setText(QString::fromStdString(outcome.check->pageCountText));
            // Hidden first so that a screen reader hears the warning again whenever a press
            // rounds the count, even while it is already on screen.
            errore_->hide();
            errore_->setText(QString::fromStdString(outcome.check->pageWarning));
            errore_->setAccessibleName(errore_->text());
            fitCaption(errore_);
            errore_->show();
        } else {
            errore_->hide();
        }
    }
    if (outcome.listing) {
        // One edit at the end, a text block per line so that every line is a line of the box for
        // selection, movement and screen readers alike. Undoing a listing is of no use, and
        // keeping it would double the memory each press takes (the edits typed before it are
        // forgotten too).
        QTextDocument* document = stampa_->document();
        document->setUndoRedoEnabled(false);
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.insertText(QString::fromStdString(*outcome.listing));
        document->setUndoRedoEnabled(true);
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
