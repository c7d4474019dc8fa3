#include "ui/booklet/booklet_form.h"

#include "core/core_messages.h"
#include "core/page_count.h"
#include "core/printer_paper.h"
#include "core/reading_spreads.h"
#include "core/sheet_sides.h"
#include "core/user_error.h"
#include "ui/accessibility.h"
#include "ui/booklet/back_answer_dialog.h"
#include "ui/booklet/booklet_process.h"
#include "ui/booklet/fold_drawing.h"
#include "ui/booklet/sheet_choices.h"
#include "ui/booklet/sheet_preview.h"
#include "ui/booklet/sheet_view.h"
#include "ui/printing/print_dialog.h"
#include "ui/printing/print_process.h"
#include "ui/shared/centre.h"
#include "ui/shared/file_path.h"
#include "ui/shared/message_box.h"
#include "ui/shared/ui_messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <tuple>

namespace plicora {
namespace {

constexpr int progressDelayMs = 400;
// Long enough for a resize by the mouse to pause; short enough to follow it.
constexpr int redrawDelayMs = 60;
// The test sheet's files are named after it, beside the document.
constexpr const char* testSheetName = "prova.pdf";
// The folding drawing: room for the sheet and the folded stack below it.
constexpr QSize foldDrawingSize(200, 150);
// The document's name before it is shortened in the middle.
constexpr int titleWidth = 720;
// Wide enough for a few digits.
constexpr int numberFieldWidth = 64;
// The desktop's opener, which exits with an error when no program takes the file.
const char* const desktopOpener = "xdg-open";

// The choices, as tall as they are when there is room, scrolled when there isn't.
class ChoicesArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int bar = verticalScrollBar()->sizeHint().width();
        return widget()->sizeHint() + QSize(2 * frameWidth() + bar, 2 * frameWidth());
    }
    QSize minimumSizeHint() const override {
        const int bar = verticalScrollBar()->sizeHint().width();
        return {widget()->minimumSizeHint().width() + 2 * frameWidth() + bar,
                QScrollArea::minimumSizeHint().height()};
    }
};

// Sets a label's text and the name screen readers hear for it; an empty label is hidden, so
// that they meet nothing nameless.
void setLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

// A label of text that wraps, for messages and explanations.
QLabel* wrappingLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A picture's label, shown rendered at the screen's own pixel density.
void showPicture(QLabel* label, const QImage& image) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(label->devicePixelRatioF());
    label->setPixmap(pixmap);
}

// The pixels a picture takes in `label`, so that it stays sharp at any scale.
QSize pixelsOf(const QLabel* label) {
    return (QSizeF(label->contentsRect().size()) * label->devicePixelRatioF()).toSize();
}

QString blanksText(int pageCount, Mode mode, const Binding& binding) {
    try {
        const int rounded = checkPageCount(checkedPage(pageCount), mode).pageCount;
        const int blanks = rounded - pageCount;
        if (blanks == 0)
            return QString::fromUtf8(noBlanksText);
        const QString where = QString::fromUtf8(blanksBeforeBackCover(binding, pageCount, rounded)
                                                    ? blanksBeforeBackCoverText
                                                    : blanksAtEndText);
        return blanks == 1 ? QString::fromUtf8(oneBlankAddedText).arg(where)
                           : QString::fromUtf8(blanksAddedText).arg(blanks).arg(where);
    } catch (const UserError& error) {
        return QString::fromUtf8(error.what()); // the engine will refuse it with this message
    }
}

// The sheets folded together first: the first signature's, or the whole booklet's.
int firstSignatureSheets(int pageCount, Mode mode, int sheetsPerSignature) {
    int sheets = 1;
    try {
        sheets = sheetCount(checkPageCount(checkedPage(pageCount), mode).pageCount, mode);
    } catch (const UserError&) {
        // unread or too long: the window says so, and one sheet is drawn
    }
    return sheetsPerSignature == 0 ? sheets : std::min(sheets, sheetsPerSignature);
}

} // namespace

BookletForm::BookletForm(const QString& document, Mode mode, const QString& engine)
    : document_(QFileInfo(document).absoluteFilePath()), engine_(engine),
      process_(new BookletProcess(engine, this)), printers_(new PrintProcess(engine, this)),
      preview_(new SheetPreview(engine, document_, this)), progressDelay_(new QTimer(this)),
      redrawDelay_(new QTimer(this)) {
    setObjectName(QStringLiteral("BookletForm"));
    setWindowTitle(QString::fromUtf8(windowTitleText).arg(QFileInfo(document_).fileName()));
    setAccessibleRole(this, QAccessible::Window);

    auto* middle = new QHBoxLayout;
    middle->addWidget(createChoices());
    middle->addWidget(createPreviewGroup(), 1);
    auto* window = new QVBoxLayout(this);
    window->addLayout(createDocumentHeader());
    window->addLayout(middle, 1);
    window->addLayout(createRunRow());

    (mode == Mode::FourUp ? fourUp_ : eightUp_)->setChecked(true);
    oneFile_->setChecked(true);
    backs_->hide();
    progress_->hide();
    cancel_->hide();
    result_->hide();
    open_->hide();
    openFolder_->hide();
    // The choices in reading order, then the run; the radio buttons of a group are one stop.
    QList<QWidget*> focusOrder{fourUp_,    eightUp_,  oneFile_, edge_,       twoFiles_,
                               testSheet_, reversed_, turned_,  signatures_, creep_};
    focusOrder += sheetChoices_->focusOrder();
    focusOrder += {views_, previous_, next_, create_, print_, cancel_, open_, openFolder_};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    create_->setFocus();
    connectControls();
    onLayoutChanged();
    placeOnScreen(this);
    printers_->listPrinters();
}

void BookletForm::printAs(const BookletJob& job) {
    given_ = job;
    (job.mode == Mode::FourUp ? fourUp_ : eightUp_)->setChecked(true);
    sheetChoices_->choose(job);
    signatures_->setText(job.sheetsPerSignature ? QString::number(job.sheetsPerSignature)
                                                : QString());
    creep_->setText(job.creep ? QString::fromStdString(creepText(job.creep)) : QString());
    print_->setFocus();
    onLayoutChanged();
}

void BookletForm::onPrintersListed(const QList<Printer>& printers) {
    // Without CUPS, or without a default printer, the locale's paper stays.
    for (const Printer& printer : printers)
        if (printer.isDefault)
            if (const auto paper = printerDefaultPaper(printer))
                sheetChoices_->startOn(*paper);
}

void BookletForm::onDocumentRead(int pageCount, QSizeF firstPageSize) {
    read_ = true;
    pageCount_ = pageCount;
    setLabel(pages_, pageCount_ < 0 ? QString::fromUtf8(pageCountUnreadableText)
                                    : QString::fromUtf8(documentPagesText).arg(pageCount_));
    sheetChoices_->setPageSize(firstPageSize);
    // Proposed only where the user has typed nothing yet, nor the job said one booklet.
    if (pageCount_ >= 0 && signatures_->text().isEmpty() && !given_)
        if (const auto proposed = signaturesAdvice(mode(), pageCount_, 0)) {
            proposed_ = QString::number(*proposed);
            const QSignalBlocker quiet(signatures_);
            signatures_->setText(proposed_);
        }
    onLayoutChanged();
}

QLayout* BookletForm::createDocumentHeader() {
    title_ = named(new QLabel, "Documento");
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    const QString name = QString::fromUtf8(documentText).arg(QFileInfo(document_).fileName());
    // A long name is shortened in the middle on screen; screen readers hear it whole.
    title_->setText(title_->fontMetrics().elidedText(name, Qt::ElideMiddle, titleWidth));
    title_->setAccessibleName(name);
    title_->setToolTip(document_);
    pages_ = wrappingLabel("Pagine");
    setLabel(pages_, QString::fromUtf8(readingText)); // until the document is read
    blanks_ = wrappingLabel("Bianche");
    auto* header = new QVBoxLayout;
    header->addWidget(title_);
    header->addWidget(pages_);
    header->addWidget(blanks_);
    return header;
}

QScrollArea* BookletForm::createChoices() {
    sheetChoices_ = new SheetChoices(this);
    auto* choices = new QWidget;
    auto* layout = new QVBoxLayout(choices);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createLayoutGroup());
    layout->addWidget(createPrinterGroup());
    layout->addWidget(createThickGroup());
    layout->addWidget(sheetChoices_);
    layout->addWidget(createFoldGroup());
    layout->addStretch();
    auto* area = named(new ChoicesArea, "Scelte");
    // Screen readers meet the scrolling parts on their way to the choices: each is named.
    for (QWidget* part : {static_cast<QWidget*>(area), area->viewport(), choices})
        part->setAccessibleName(QString::fromUtf8(choicesName));
    area->verticalScrollBar()->setAccessibleName(QString::fromUtf8(choicesScrollName));
    area->verticalScrollBar()->parentWidget()->setAccessibleName(
        QString::fromUtf8(choicesScrollName));
    area->setWidget(choices);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus); // the keyboard goes to the choices themselves
    area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return area;
}

QGroupBox* BookletForm::createLayoutGroup() {
    layoutGroup_ = named(new QGroupBox(QString::fromUtf8(pagesPerSheetTitle)), "PagineFoglio");
    fourUp_ = named(new QRadioButton, "Quattro"); // its text names the paper's booklet
    eightUp_ = named(new QRadioButton(QString::fromUtf8(eightUpText)), "Otto");
    auto* layout = new QVBoxLayout(layoutGroup_);
    layout->addWidget(fourUp_);
    layout->addWidget(eightUp_);
    return layoutGroup_;
}

QGroupBox* BookletForm::createPrinterGroup() {
    printerGroup_ = named(new QGroupBox(QString::fromUtf8(printerTitle)), "Stampante");
    oneFile_ = named(new QRadioButton(QString::fromUtf8(oneFileText)), "UnFile");
    edge_ = named(new QComboBox, "Bordo");
    edge_->addItems(
        {QString::fromUtf8(shortEdgeChoiceText), QString::fromUtf8(longEdgeChoiceText)});
    edge_->setAccessibleName(QString::fromUtf8(edgeName));
    twoFiles_ = named(new QRadioButton(QString::fromUtf8(twoFilesText)), "DueFile");
    testSheet_ = named(new QPushButton(QString::fromUtf8(testSheetButtonText)), "Prova");
    backs_ = named(new QGroupBox(QString::fromUtf8(backsTitle)), "Retri");
    reversed_ = named(new QCheckBox(QString::fromUtf8(reversedBacksText)), "RetriInversi");
    turned_ = named(new QCheckBox(QString::fromUtf8(turnedBacksText)), "RetriCapovolti");
    auto* backsLayout = new QVBoxLayout(backs_);
    backsLayout->addWidget(reversed_);
    backsLayout->addWidget(turned_);
    auto* layout = new QVBoxLayout(printerGroup_);
    auto* oneFileRow = new QHBoxLayout;
    oneFileRow->addWidget(oneFile_);
    oneFileRow->addWidget(edge_);
    oneFileRow->addStretch();
    layout->addLayout(oneFileRow);
    layout->addWidget(twoFiles_);
    layout->addWidget(testSheet_, 0, Qt::AlignLeft);
    layout->addWidget(backs_);
    return printerGroup_;
}

QGroupBox* BookletForm::createThickGroup() {
    thickGroup_ = named(new QGroupBox(QString::fromUtf8(thickTitle)), "Spessi");
    signatures_ = named(new QLineEdit, "FogliFascicolo");
    signatures_->setAccessibleName(QString::fromUtf8(signaturesName));
    signatures_->setMaximumWidth(numberFieldWidth);
    creep_ = named(new QLineEdit, "Scorrimento");
    creep_->setAccessibleName(QString::fromUtf8(creepName));
    creep_->setMaximumWidth(numberFieldWidth);
    auto* signaturesLabel =
        named(new QLabel(QString::fromUtf8(signaturesLabelText)), "FascicoliDi");
    signaturesLabel->setBuddy(signatures_);
    signaturesLabel->setToolTip(QString::fromUtf8(signaturesTip));
    creepLabel_ = named(new QLabel(QString::fromUtf8(creepLabelText)), "ScorrimentoDi");
    creepLabel_->setBuddy(creep_);
    creepLabel_->setToolTip(QString::fromUtf8(creepTip));
    advice_ = wrappingLabel("Consiglio");
    fieldError_ = wrappingLabel("ErroreCampi");
    setAccessibleRole(fieldError_, QAccessible::AlertMessage);
    auto* form = new QFormLayout(thickGroup_);
    form->addRow(signaturesLabel, signatures_);
    form->addRow(creepLabel_, creep_);
    form->addRow(advice_);
    form->addRow(fieldError_);
    return thickGroup_;
}

QGroupBox* BookletForm::createFoldGroup() {
    auto* group = named(new QGroupBox(QString::fromUtf8(foldingTitle)), "Piega");
    drawing_ = named(new FoldDrawing(group), "Piegatura");
    setAccessibleRole(drawing_, QAccessible::Graphic);
    drawing_->setAccessibleName(QString::fromUtf8(drawingName));
    drawing_->setFixedSize(foldDrawingSize);
    instructions_ = wrappingLabel("Istruzioni");
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(drawing_, 0, Qt::AlignHCenter);
    layout->addWidget(instructions_);
    return group;
}

QGroupBox* BookletForm::createPreviewGroup() {
    auto* group = named(new QGroupBox(QString::fromUtf8(previewTitle)), "Foglio");
    views_ = named(new QTabBar, "Viste");
    views_->addTab(QString::fromUtf8(printedViewText));
    views_->addTab(QString::fromUtf8(readViewText));
    views_->setDrawBase(false);
    previous_ = named(new QPushButton(QString::fromUtf8(previousSheetText)), "Precedente");
    next_ = named(new QPushButton(QString::fromUtf8(nextSheetText)), "Successivo");
    position_ = named(new QLabel, "Posizione");
    position_->setAlignment(Qt::AlignCenter);
    setLabel(position_, QString()); // until the document is read
    view_ = named(new SheetView(group), "Vista");
    view_->setAccessibleName(QString::fromUtf8(previewTitle));
    view_->front()->setAccessibleName(QString::fromUtf8(frontPictureName).arg(1));
    view_->back()->setAccessibleName(QString::fromUtf8(backPictureName).arg(1));
    view_->spread()->setAccessibleName(QString::fromUtf8(pagePictureName).arg(1));
    auto* steps = new QHBoxLayout;
    steps->addWidget(previous_);
    steps->addWidget(position_, 1);
    steps->addWidget(next_);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(views_, 0, Qt::AlignLeft);
    layout->addLayout(steps);
    layout->addWidget(view_, 1);
    // Page Up and Page Down step from wherever the keyboard is in the window.
    for (const auto& [key, delta] : {std::pair{Qt::Key_PageUp, -1}, {Qt::Key_PageDown, 1}})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                [this, delta] { onStepped(delta); });
    return group;
}

QLayout* BookletForm::createRunRow() {
    create_ = named(new QPushButton(QString::fromUtf8(createText)), "Crea");
    print_ = named(new QPushButton(QString::fromUtf8(printButtonText)), "Stampa");
    create_->setDefault(true);
    progress_ = named(new QProgressBar, "Avanzamento");
    progress_->setAccessibleName(QString::fromUtf8(progressName));
    cancel_ = named(new QPushButton(QString::fromUtf8(cancelButtonText)), "Annulla");
    result_ = wrappingLabel("Risultato");
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_ = named(new QPushButton(QString::fromUtf8(openText)), "Apri");
    openFolder_ = named(new QPushButton(QString::fromUtf8(openFolderText)), "ApriCartella");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(create_);
    buttons->addWidget(print_);
    buttons->addWidget(progress_, 1);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(openFolder_);
    auto* row = new QVBoxLayout;
    row->addLayout(buttons);
    row->addWidget(result_);
    return row;
}

void BookletForm::connectControls() {
    connect(fourUp_, &QRadioButton::toggled, this, &BookletForm::onLayoutChanged);
    for (QLineEdit* field : {signatures_, creep_})
        connect(field, &QLineEdit::textChanged, this, &BookletForm::onLayoutChanged);
    connect(twoFiles_, &QRadioButton::toggled, this, &BookletForm::onChoicesChanged);
    connect(sheetChoices_, &SheetChoices::changed, this, &BookletForm::onLayoutChanged);
    connect(edge_, &QComboBox::currentIndexChanged, this, &BookletForm::onLayoutChanged);
    connect(create_, &QPushButton::clicked, this, &BookletForm::onCreateClicked);
    connect(print_, &QPushButton::clicked, this, &BookletForm::onPrintClicked);
    connect(testSheet_, &QPushButton::clicked, this, &BookletForm::onTestSheetClicked);
    connect(cancel_, &QPushButton::clicked, this, &BookletForm::onCancelClicked);
    connect(open_, &QPushButton::clicked, this, &BookletForm::onOpenClicked);
    connect(openFolder_, &QPushButton::clicked, this, &BookletForm::onOpenFolderClicked);
    connect(process_, &BookletProcess::progressed, this, &BookletForm::onProgressed);
    connect(process_, &BookletProcess::succeeded, this, &BookletForm::onSucceeded);
    connect(process_, &BookletProcess::failed, this, &BookletForm::onFailed);
    connect(preview_, &SheetPreview::read, this, &BookletForm::onDocumentRead);
    connect(printers_, &PrintProcess::printersListed, this, &BookletForm::onPrintersListed);
    connect(preview_, &SheetPreview::drawn, this, &BookletForm::onPictureDrawn);
    connect(views_, &QTabBar::currentChanged, this, &BookletForm::onViewChanged);
    connect(previous_, &QPushButton::clicked, this, [this] { onStepped(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { onStepped(1); });
    redrawDelay_->setSingleShot(true);
    redrawDelay_->setInterval(redrawDelayMs);
    connect(view_, &SheetView::resized, redrawDelay_, qOverload<>(&QTimer::start));
    connect(redrawDelay_, &QTimer::timeout, this, &BookletForm::drawPreview);
    progressDelay_->setSingleShot(true);
    progressDelay_->setInterval(progressDelayMs);
    connect(progressDelay_, &QTimer::timeout, this, [this] {
        progress_->show();
        cancel_->show();
        cancel_->setFocus(); // the keyboard's way out of a long run
    });
}

Mode BookletForm::mode() const {
    return fourUp_->isChecked() ? Mode::FourUp : Mode::EightUp;
}

BookletJob BookletForm::readJob() const {
    const bool separate = twoFiles_->isChecked();
    // Options that don't apply are disabled or hidden, and not read.
    return sheetChoices_->applied(
        {.mode = mode(),
         .document = fileSystemPath(document_),
         .separate = separate,
         .progress = true,
         .sheetsPerSignature = readSheetsPerSignature(signatures_->text().toStdString()),
         .creep = creep_->isEnabledTo(this) ? readCreep(creep_->text().toStdString()) : 0,
         .reversedBacks = separate && reversed_->isChecked(),
         .turnedBacks = separate && turned_->isChecked(),
         // One file: the edge its backs are turned for.
         .edge =
             !separate && edge_->currentIndex() == 1 ? std::optional(Edge::Long) : std::nullopt});
}

bool BookletForm::showFaults(const BookletJob& job, bool focus) {
    const std::vector<JobFault> faults = jobFaults(job);
    QString message;
    QWidget* field = nullptr;
    if (!faults.empty()) {
        switch (faults.front()) {
        case JobFault::SignaturesOutOfRange:
            message = QString::fromUtf8(signaturesRefusedMessage).arg(signatureMaxSheets);
            field = signatures_;
            break;
        case JobFault::CreepOutOfRange:
        case JobFault::CreepEightUp:
            message = QString::fromUtf8(creepRefusedMessage).arg(creepMaxMillimetres);
            field = creep_;
            break;
        // The window's controls can't ask for these; still, no fault goes unsaid.
        case JobFault::NoDocument:
        case JobFault::TestSheetWithDocument:
        case JobFault::TestSheetWithOptions:
        case JobFault::PaperNotAccepted:
        case JobFault::BacksWithoutSeparate:
        case JobFault::EdgeWithTwoFiles:
        case JobFault::CopiesOutOfRange:
        case JobFault::CopiesWithoutPrinter:
        case JobFault::PrinterWithTwoFiles:
        case JobFault::PrinterToStandardOutput:
        case JobFault::TwoFilesToStandardOutput:
        case JobFault::StandardInputWithoutOutput:
        case JobFault::MarginOutOfRange:
            message = QString::fromUtf8(jobRefusedMessage);
            break;
        }
    }
    setLabel(fieldError_, message);
    QWidget* const refused = sheetChoices_->refusedField(); // told under its own field
    if (!field)
        field = refused;
    if (focus && field)
        field->setFocus();
    return faults.empty() && !refused;
}

void BookletForm::showOptionsThatApply() {
    // The engine shifts four-up pages only.
    creepLabel_->setEnabled(mode() == Mode::FourUp);
    creep_->setEnabled(mode() == Mode::FourUp);
    backs_->setVisible(twoFiles_->isChecked());
    edge_->setEnabled(!twoFiles_->isChecked());
}

void BookletForm::showBlanks(const BookletJob& job) {
    setLabel(blanks_, pageCount_ < 0 ? QString() : blanksText(pageCount_, job.mode, job.binding));
    sheetChoices_->showPageNote(job.mode);
}

void BookletForm::showAdvice() {
    const std::optional<int> proposed =
        pageCount_ < 0 ? std::nullopt : signaturesAdvice(mode(), pageCount_, 0);
    setLabel(advice_, proposed ? QString::fromUtf8(signaturesAdviceText)
                                     .arg(firstSignatureSheets(pageCount_, mode(), 0))
                                     .arg(thickStackSheets)
                                     .arg(*proposed)
                               : QString());
}

void BookletForm::showInstructions(const BookletJob& job) {
    const int perSignature = std::max(job.sheetsPerSignature, 0);
    drawing_->setMode(job.mode);
    drawing_->setRightToLeft(job.binding.rightToLeft);
    drawing_->setSheets(firstSignatureSheets(pageCount_, job.mode, perSignature));
    QString text = QString::fromUtf8(job.separate             ? separateTurnText
                                     : job.edge == Edge::Long ? longEdgeTurnText
                                                              : duplexTurnText);
    const QString under =
        QString::fromUtf8(job.binding.rightToLeft ? rightUnderLeftText : leftUnderRightText);
    text += QLatin1Char(' ') +
            (perSignature > 0 ? QString::fromUtf8(foldSignaturesText).arg(perSignature).arg(under)
                              : QString::fromUtf8(foldStackText).arg(under));
    if (job.mode == Mode::EightUp)
        text += QLatin1Char(' ') + QString::fromUtf8(eightUpReadingText);
    setLabel(instructions_, text);
    drawing_->setAccessibleDescription(text);
}

void BookletForm::onLayoutChanged() {
    // A size the window proposed follows the layout; one the user typed stays.
    if (!proposed_.isEmpty() && signatures_->text() == proposed_) {
        const auto proposed = signaturesAdvice(mode(), pageCount_, 0);
        proposed_ = proposed ? QString::number(*proposed) : QString();
        const QSignalBlocker quiet(signatures_);
        signatures_->setText(proposed_);
    }
    onChoicesChanged();
    const BookletJob job = readJob();
    if (jobFaults(job).empty())
        requestPreview(job); // else the field says why; the last sheet shown stays
}

void BookletForm::onChoicesChanged() {
    const BookletJob job = readJob();
    const QString pageName = sheetChoices_->fourUpPageName();
    if (!pageName.isEmpty()) // else the paper's field says what is wrong; the last name stays
        fourUp_->setText(QString::fromUtf8(fourUpText).arg(pageName));
    showOptionsThatApply();
    showFaults(job, false);
    showBlanks(job);
    showAdvice();
    showInstructions(job);
    // The texts just set wrap at the scrolled column's width: laid out now, so that no wrapped
    // line is cut off until the next pass of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void BookletForm::requestPreview(const BookletJob& job) {
    if (!read_)
        return; // the document's pages come first
    for (QLabel* picture : {view_->front(), view_->back(), view_->spread()})
        picture->setText(QString::fromUtf8(previewWaitingText));
    sides_ = {};
    bookletPages_ = 0;
    try {
        if (pageCount_ < 0)
            throw UserError(previewUnreadableMessage);
        bookletPages_ = checkPageCount(checkedPage(pageCount_), job.mode).pageCount;
        sides_ = sheetSides(job.mode, checkedPage(bookletPages_), 0, pageCount_,
                            std::max(job.sheetsPerSignature, 0), job.binding);
    } catch (const UserError& error) {
        bookletPages_ = 0;
        for (QLabel* picture : {view_->front(), view_->spread()})
            picture->setText(QString::fromUtf8(error.what()));
        view_->back()->clear();
    }
    shown_ = job;
    sheet_ = std::clamp(sheet_, 0, std::max(static_cast<int>(sides_.sheets.size()) - 1, 0));
    spread_ = std::clamp(spread_, 0, std::max(spreadCount(bookletPages_) - 1, 0));
    onViewChanged();
}

bool BookletForm::readingView() const {
    return views_->currentIndex() == 1;
}

void BookletForm::drawPreview() {
    const int sheets = static_cast<int>(sides_.sheets.size());
    const bool reading = readingView();
    const int at = reading ? spread_ : sheet_;
    const int count = reading ? spreadCount(bookletPages_) : sheets;
    previous_->setText(QString::fromUtf8(reading ? previousPagesText : previousSheetText));
    next_->setText(QString::fromUtf8(reading ? nextPagesText : nextSheetText));
    previous_->setEnabled(at > 0);
    next_->setEnabled(at + 1 < count);
    if (count == 0)
        return setLabel(position_, QString()); // the pictures say why
    if (!reading) {
        setLabel(position_, QString::fromUtf8(sheetPositionText).arg(sheet_ + 1).arg(sheets));
        for (const auto& [label, face, slot, name] :
             {std::tuple{view_->front(), Face::Front, SheetPreview::FrontSlot, frontPictureName},
              {view_->back(), Face::Back, SheetPreview::BackSlot, backPictureName}}) {
            label->setAccessibleName(QString::fromUtf8(name).arg(sheet_ + 1));
            preview_->request(slot, sheetPicture(sides_, sheet_, face, shown_), pixelsOf(label));
        }
        return;
    }
    // Numbered as read: the earlier page first, whichever side it is on.
    const Spread spread = spreadAt(spread_, bookletPages_, shown_.binding.rightToLeft);
    const bool pair = spread.left > 0 && spread.right > 0;
    const int first = pair ? std::min(spread.left, spread.right) : spread.left + spread.right;
    setLabel(position_,
             pair
                 ? QString::fromUtf8(pagesPositionText).arg(first).arg(first + 1).arg(bookletPages_)
                 : QString::fromUtf8(pagePositionText).arg(first).arg(bookletPages_));
    view_->spread()->setAccessibleName(
        pair ? QString::fromUtf8(pagesPictureName).arg(first).arg(first + 1)
             : QString::fromUtf8(pagePictureName).arg(first));
    preview_->request(SheetPreview::SpreadSlot,
                      spreadPicture(spread, bookletPages_, pageCount_, shown_),
                      pixelsOf(view_->spread()));
}

void BookletForm::onStepped(int delta) {
    const bool reading = readingView();
    int& at = reading ? spread_ : sheet_;
    const int count = reading ? spreadCount(bookletPages_) : static_cast<int>(sides_.sheets.size());
    const int stepped = std::clamp(at + delta, 0, std::max(count - 1, 0));
    if (stepped == at)
        return;
    at = stepped;
    drawPreview();
}

void BookletForm::onViewChanged() {
    const SideSize side = sideSize(shown_.paper);
    const CellSize cell = cellSize(shown_.mode, side);
    if (readingView())
        view_->showSpread(QSizeF(2 * cell.width, cell.height));
    else
        view_->showSides(QSizeF(side.width, side.height));
    redrawDelay_->stop(); // drawn now, at the size just given
    drawPreview();
}

void BookletForm::onPictureDrawn(int slot, const QImage& image) {
    switch (static_cast<SheetPreview::Slot>(slot)) {
    case SheetPreview::FrontSlot:
        return showPicture(view_->front(), image);
    case SheetPreview::BackSlot:
        return showPicture(view_->back(), image);
    case SheetPreview::SpreadSlot:
        return showPicture(view_->spread(), image);
    case SheetPreview::SlotCount:
        return;
    }
}

void BookletForm::onCreateClicked() {
    const BookletJob job = readJob();
    if (!showFaults(job, true))
        return;
    // Two files are named after the name chosen, as they are after the document.
    const std::string name = job.separate ? job.document : outputPaths(job).front();
    run(job, QFileInfo(qtPath(name)).fileName(), saveTitle);
}

void BookletForm::onTestSheetClicked() {
    if (QWidget* refused = sheetChoices_->refusedField())
        return refused->setFocus();
    const BookletJob job =
        sheetChoices_->applied({.mode = mode(), .progress = true, .testSheet = true});
    // Printed here when a printer is there; else its two files, for another program to print.
    auto* dialog = new PrintDialog(job, engine_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PrintDialog::filesAsked, this,
            [this, job] { run(job, QString::fromLatin1(testSheetName), saveTestSheetTitle); });
    connect(dialog, &PrintDialog::printed, this,
            [this] { askHowTheBackCameOut(QString::fromUtf8(printedTestSheetQuestion)); });
    dialog->open();
}

void BookletForm::run(BookletJob job, const QString& name, const char* saveCaption) {
    const QDir folder = QFileInfo(document_).absoluteDir();
    if (given_ || !QFileInfo(folder.absolutePath()).isWritable()) {
        // The document's folder can't take the files, or won't keep them: the user says where
        // they go.
        const QString output =
            QFileDialog::getSaveFileName(this, QString::fromUtf8(saveCaption),
                                         QDir::home().filePath(name), QString::fromUtf8(pdfFilter));
        if (output.isEmpty())
            return;
        job.output = fileSystemPath(output);
    } else if (job.testSheet) {
        job.output = fileSystemPath(folder.filePath(name));
    } // else the engine names the booklet after the document, beside it
    testRun_ = job.testSheet;
    setLabel(result_, QString());
    open_->hide();
    openFolder_->hide();
    setChoicesEnabled(false);
    progress_->setRange(0, 0); // busy until the engine's first progress line
    progressDelay_->start();
    process_->start(job);
}

void BookletForm::onProgressed(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
}

void BookletForm::onSucceeded(const QStringList& paths) {
    endRun();
    written_ = paths;
    setLabel(result_, QString::fromUtf8(testRun_ ? testSheetCreatedText : createdText) +
                          QLatin1Char('\n') + paths.join(QLatin1Char('\n')));
    open_->show();
    openFolder_->show();
    open_->setAccessibleDescription(result_->text());
    open_->setFocus();
    if (testRun_ && paths.size() == 2)
        askHowTheBackCameOut(
            QString::fromUtf8(testSheetQuestion)
                .arg(QFileInfo(paths[0]).fileName(), QFileInfo(paths[1]).fileName()));
}

void BookletForm::askHowTheBackCameOut(const QString& question) {
    if (answer_)
        answer_->close();
    answer_ = new BackAnswerDialog(question, this);
    answer_->setAttribute(Qt::WA_DeleteOnClose);
    connect(answer_, &BackAnswerDialog::answered, this, [this](bool reversed, bool turned) {
        twoFiles_->setChecked(true);
        reversed_->setChecked(reversed);
        turned_->setChecked(turned);
    });
    answer_->show();
}

void BookletForm::onFailed(const QString& message) {
    endRun();
    showMessage(this, message);
}

void BookletForm::onCancelClicked() {
    process_->cancel();
    endRun();
    setLabel(result_, QString::fromUtf8(cancelledText));
}

void BookletForm::endRun() {
    progressDelay_->stop();
    progress_->hide();
    cancel_->hide();
    setChoicesEnabled(true);
    create_->setFocus();
}

void BookletForm::setChoicesEnabled(bool enabled) {
    for (QWidget* choice :
         {static_cast<QWidget*>(layoutGroup_), static_cast<QWidget*>(printerGroup_),
          static_cast<QWidget*>(thickGroup_), static_cast<QWidget*>(sheetChoices_),
          static_cast<QWidget*>(create_), static_cast<QWidget*>(print_)})
        choice->setEnabled(enabled);
}

void BookletForm::openWithDesktop(const QString& target, const char* failure) {
    // QDesktopServices reports success once the opener starts, even when it then finds no
    // program for the file: its exit status tells.
    auto* opener = named(new QProcess(this), "Apritore");
    const auto fail = [this, opener, failure] {
        opener->deleteLater();
        showMessage(this, QString::fromUtf8(failure));
    };
    connect(opener, &QProcess::errorOccurred, this, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail();
    });
    connect(opener, &QProcess::finished, this,
            [opener, fail](int status, QProcess::ExitStatus exit) {
                if (exit != QProcess::NormalExit || status != 0)
                    fail();
                else
                    opener->deleteLater();
            });
    opener->start(QString::fromLatin1(desktopOpener), {target});
}

void BookletForm::onPrintClicked() {
    BookletJob job = readJob();
    if (!showFaults(job, true))
        return;
    // One booklet, on whatever edge the printer turns; the backs' options for feeding it by hand.
    job.separate = false;
    job.edge.reset();
    job.reversedBacks = reversed_->isChecked();
    job.turnedBacks = turned_->isChecked();
    if (given_) {
        job.printer = given_->printer;
        job.copies = given_->copies;
    }
    auto* dialog = new PrintDialog(job, engine_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PrintDialog::printed, this, &BookletForm::printed);
    dialog->open();
}

void BookletForm::onOpenClicked() {
    openWithDesktop(written_.value(0), cannotOpenFileMessage);
}

void BookletForm::onOpenFolderClicked() {
    openWithDesktop(QFileInfo(written_.value(0)).absolutePath(), cannotOpenFolderMessage);
}

void BookletForm::closeEvent(QCloseEvent* event) {
    process_->cancel(); // a booklet left half made is no booklet
    event->accept();
}

} // namespace plicora
