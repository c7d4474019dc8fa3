#include "ui/booklet/booklet_form.h"

#include "core/core_messages.h"
#include "core/page_count.h"
#include "core/sheet_sides.h"
#include "core/user_error.h"
#include "ui/accessibility.h"
#include "ui/booklet/back_answer_dialog.h"
#include "ui/booklet/booklet_process.h"
#include "ui/booklet/fold_drawing.h"
#include "ui/booklet/pdf_pages.h"
#include "ui/booklet/sheet_choices.h"
#include "ui/booklet/sheet_preview.h"
#include "ui/printing/print_dialog.h"
#include "ui/shared/centre.h"
#include "ui/shared/file_path.h"
#include "ui/shared/message_box.h"
#include "ui/shared/ui_messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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
#include <QTimer>

namespace plicora {
namespace {

constexpr int progressDelayMs = 400;
// The test sheet's files are named after it, beside the document.
constexpr const char* testSheetName = "prova.pdf";
// A side of the sheet in the preview, large enough to read the page numbers: a little taller
// than A4 landscape, so that the sheet fills its width, pixel for pixel.
constexpr QSize previewSideSize(240, 172);
// Wide enough for a few digits.
constexpr int numberFieldWidth = 64;
// The desktop's opener, which exits with an error when no program takes the file.
const char* const desktopOpener = "xdg-open";

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

// A side of the sheet: white paper with a thin black frame whatever the desktop's colours, as
// the sheet will print.
QLabel* paperSide(const char* name, const char* accessibleName) {
    auto* side = named(new QLabel, name);
    setAccessibleRole(side, QAccessible::Graphic); // before anything makes Qt's interface
    side->setAccessibleName(QString::fromUtf8(accessibleName));
    side->setFixedSize(previewSideSize);
    side->setFrameStyle(QFrame::Box | QFrame::Plain);
    side->setLineWidth(1);
    side->setAlignment(Qt::AlignCenter);
    side->setWordWrap(true);
    QPalette palette = side->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    side->setPalette(palette);
    side->setAutoFillBackground(true);
    return side;
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
        return blanks == 1
                   ? QStringLiteral("Si aggiunge 1 pagina bianca %1").arg(where)
                   : QStringLiteral("Si aggiungono %1 pagine bianche %2").arg(blanks).arg(where);
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
      pageCount_(pdfPageCount(engine, document_)), process_(new BookletProcess(engine, this)),
      preview_(new SheetPreview(engine, this)), progressDelay_(new QTimer(this)) {
    setObjectName(QStringLiteral("BookletForm"));
    setWindowTitle(QStringLiteral("Plicora"));
    setAccessibleRole(this, QAccessible::Window);

    auto* choices = new QVBoxLayout;
    choices->addWidget(createLayoutGroup());
    choices->addWidget(createPrinterGroup());
    choices->addWidget(createThickGroup());
    choices->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(choices);
    sheetChoices_ = new SheetChoices(pdfFirstPageSize(engine, document_), this);
    auto* sheet = new QVBoxLayout;
    sheet->addWidget(createSheetGroup(), 1);
    sheet->addWidget(sheetChoices_);
    middle->addLayout(sheet, 1);
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
    focusOrder += {create_, print_, cancel_, open_, openFolder_};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    create_->setFocus();
    connectControls();

    if (pageCount_ >= 0)
        if (const auto proposed = signaturesAdvice(this->mode(), pageCount_, 0)) {
            proposed_ = QString::number(*proposed);
            signatures_->setText(proposed_);
        }
    onLayoutChanged();
    centreOnScreen(this);
}

QLayout* BookletForm::createDocumentHeader() {
    title_ = named(new QLabel, "Documento");
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    const QString name = QStringLiteral("Documento: %1").arg(QFileInfo(document_).fileName());
    // A long name is shortened in the middle on screen; screen readers hear it whole.
    title_->setText(
        title_->fontMetrics().elidedText(name, Qt::ElideMiddle, previewSideSize.width() * 3));
    title_->setAccessibleName(name);
    title_->setToolTip(document_);
    pages_ = wrappingLabel("Pagine");
    setLabel(pages_, pageCount_ < 0 ? QString::fromUtf8(pageCountUnreadableText)
                                    : QStringLiteral("Pagine del documento: %1").arg(pageCount_));
    blanks_ = wrappingLabel("Bianche");
    auto* header = new QVBoxLayout;
    header->addWidget(title_);
    header->addWidget(pages_);
    header->addWidget(blanks_);
    return header;
}

QGroupBox* BookletForm::createLayoutGroup() {
    layoutGroup_ = named(new QGroupBox(QStringLiteral("Pagine per foglio")), "PagineFoglio");
    fourUp_ = named(new QRadioButton(QStringLiteral("&4 pagine (opuscolo A5)")), "Quattro");
    eightUp_ = named(new QRadioButton(QStringLiteral("&8 pagine")), "Otto");
    auto* layout = new QVBoxLayout(layoutGroup_);
    layout->addWidget(fourUp_);
    layout->addWidget(eightUp_);
    return layoutGroup_;
}

QGroupBox* BookletForm::createPrinterGroup() {
    printerGroup_ = named(new QGroupBox(QStringLiteral("Stampante")), "Stampante");
    oneFile_ = named(new QRadioButton(QStringLiteral("&Un file, per il fronte-retro")), "UnFile");
    edge_ = named(new QComboBox, "Bordo");
    edge_->addItems({QStringLiteral("sul lato corto"), QStringLiteral("sul lato lungo")});
    edge_->setAccessibleName(QStringLiteral("Fronte-retro sul lato corto o sul lato lungo"));
    twoFiles_ = named(new QRadioButton(QStringLiteral("&Due file: fronti e retri")), "DueFile");
    testSheet_ = named(new QPushButton(QStringLiteral("Foglio di &prova")), "Prova");
    backs_ = named(new QGroupBox(QStringLiteral("Retri, stampando senza fronte-retro")), "Retri");
    reversed_ = named(new QCheckBox(QStringLiteral("Retri in ordine &inverso")), "RetriInversi");
    turned_ = named(new QCheckBox(QStringLiteral("Retri capo&volti (girati di 180\u00b0)")),
                    "RetriCapovolti");
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
    thickGroup_ = named(new QGroupBox(QStringLiteral("Documenti spessi")), "Spessi");
    signatures_ = named(new QLineEdit, "FogliFascicolo");
    signatures_->setAccessibleName(QStringLiteral("Fogli per fascicolo (vuoto: un solo opuscolo)"));
    signatures_->setMaximumWidth(numberFieldWidth);
    creep_ = named(new QLineEdit, "Scorrimento");
    creep_->setAccessibleName(QStringLiteral("Scorrimento in millimetri"));
    creep_->setMaximumWidth(numberFieldWidth);
    auto* signaturesLabel =
        named(new QLabel(QStringLiteral("Fogli per &fascicolo:")), "FascicoliDi");
    signaturesLabel->setBuddy(signatures_);
    signaturesLabel->setToolTip(QStringLiteral("Vuoto: un solo opuscolo"));
    creepLabel_ = named(new QLabel(QStringLiteral("&Scorrimento (mm):")), "ScorrimentoDi");
    creepLabel_->setBuddy(creep_);
    creepLabel_->setToolTip(QStringLiteral("Vuoto: nessuno"));
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

QGroupBox* BookletForm::createSheetGroup() {
    auto* group = named(new QGroupBox(QStringLiteral("Il primo foglio, come si stampa")), "Foglio");
    front_ = paperSide("Fronte", "Anteprima del foglio 1, fronte");
    back_ = paperSide("Retro", "Anteprima del foglio 1, retro");
    drawing_ = named(new FoldDrawing(group), "Piegatura");
    setAccessibleRole(drawing_, QAccessible::Graphic);
    drawing_->setAccessibleName(QStringLiteral("Come piegare i fogli"));
    drawing_->setFixedSize(previewSideSize);
    instructions_ = wrappingLabel("Istruzioni");
    auto* sides = new QGridLayout;
    sides->addWidget(named(new QLabel(QStringLiteral("Fronte")), "FronteTitolo"), 0, 0);
    sides->addWidget(named(new QLabel(QStringLiteral("Retro")), "RetroTitolo"), 0, 1);
    sides->addWidget(front_, 1, 0);
    sides->addWidget(back_, 1, 1);
    sides->addWidget(drawing_, 2, 0);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sides->addWidget(instructions_, 2, 1);
    sides->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(sides);
    layout->addStretch();
    return group;
}

QLayout* BookletForm::createRunRow() {
    create_ = named(new QPushButton(QStringLiteral("Crea l'&opuscolo")), "Crea");
    print_ = named(new QPushButton(QStringLiteral("S&tampa\u2026")), "Stampa");
    create_->setDefault(true);
    progress_ = named(new QProgressBar, "Avanzamento");
    progress_->setAccessibleName(QStringLiteral("Avanzamento"));
    cancel_ = named(new QPushButton(QStringLiteral("A&nnulla")), "Annulla");
    result_ = wrappingLabel("Risultato");
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_ = named(new QPushButton(QStringLiteral("&Apri")), "Apri");
    openFolder_ = named(new QPushButton(QStringLiteral("Apri la ca&rtella")), "ApriCartella");
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
    connect(preview_, &SheetPreview::rendered, this,
            [this](const QImage& front, const QImage& back) {
                for (auto [side, image] : {std::pair{front_, front}, {back_, back}}) {
                    QPixmap pixmap = QPixmap::fromImage(image);
                    pixmap.setDevicePixelRatio(devicePixelRatioF());
                    side->setPixmap(pixmap);
                }
            });
    connect(preview_, &SheetPreview::failed, this, [this](const QString& message) {
        front_->setText(message);
        back_->clear();
    });
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
    text += QLatin1Char(' ') + (perSignature > 0
                                    ? QString::fromUtf8(foldSignaturesText).arg(perSignature)
                                    : QString::fromUtf8(foldStackText));
    if (job.binding.rightToLeft)
        text += QLatin1Char(' ') + QString::fromUtf8(rightToLeftFoldText);
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
    showOptionsThatApply();
    showFaults(job, false);
    showBlanks(job);
    showAdvice();
    showInstructions(job);
}

void BookletForm::requestPreview(const BookletJob& job) {
    for (QLabel* side : {front_, back_})
        side->setText(QString::fromUtf8(previewWaitingText));
    // Rendered at the screen's own pixel density, so that it stays sharp when scaled.
    preview_->request(job, front_->contentsRect().size() * devicePixelRatioF());
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
    run(sheetChoices_->applied({.mode = mode(), .progress = true, .testSheet = true}),
        QString::fromLatin1(testSheetName), saveTestSheetTitle);
}

void BookletForm::run(BookletJob job, const QString& name, const char* saveCaption) {
    const QDir folder = QFileInfo(document_).absoluteDir();
    if (!QFileInfo(folder.absolutePath()).isWritable()) {
        // The document's folder can't take the files: the user says where they go.
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
        askHowTheBackCameOut(paths[0], paths[1]);
}

void BookletForm::askHowTheBackCameOut(const QString& fronts, const QString& backs) {
    if (answer_)
        answer_->close();
    answer_ = new BackAnswerDialog(fronts, backs, this);
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
    auto* dialog = new PrintDialog(job, engine_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
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
