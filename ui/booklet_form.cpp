#include "booklet_form.h"

#include "accessibility.h"
#include "back_answer_dialog.h"
#include "booklet_process.h"
#include "caption_fit.h"
#include "centre.h"
#include "core/page_count.h"
#include "core/sheet_sides.h"
#include "core/user_error.h"
#include "fold_drawing.h"
#include "fonts.h"
#include "message_box.h"
#include "pdf_pages.h"
#include "print_dialog.h"
#include "sheet_preview.h"
#include "ui_messages.h"
#include "wrapping_button.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

namespace plicora {
namespace {

// Choices, captions, fields, options and alerts sit in the group created before them.
enum class Kind {
    Title,
    Label,
    Group,
    Choice,
    Caption,
    Field,
    Option,
    Alert,
    Side,
    Drawing,
    Button,
    Progress
};

// One control of the window, in creation order.
struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;    // caption, or the accessible name of a picture or a field
    QRect geometry;      // in pixels, within the window or the control's group
    bool hidden = false; // at opening
};

constexpr QSize clientSize(720, 728);
constexpr int progressDelayMs = 400;
// The test sheet's files are named after it, beside the document.
constexpr const char* testSheetName = "prova.pdf";

const ControlRow controls[] = {
    {"Documento", Kind::Title, "", {16, 10, 688, 24}},
    {"Pagine", Kind::Label, "", {16, 38, 688, 22}},
    {"Bianche", Kind::Label, "", {16, 60, 688, 22}},
    {"PagineFoglio", Kind::Group, "Pagine per foglio", {16, 90, 340, 86}},
    {"Quattro", Kind::Choice, "4 pagine (opuscolo A5)", {12, 26, 316, 24}},
    {"Otto", Kind::Choice, "8 pagine", {12, 54, 316, 24}},
    {"Stampante", Kind::Group, "Stampante", {364, 90, 340, 86}},
    {"UnFile", Kind::Choice, "Un file, per il fronte-retro", {12, 26, 196, 24}},
    {"DueFile", Kind::Choice, "Due file: fronti e retri", {12, 54, 316, 24}},
    {"Spessi", Kind::Group, "Documenti spessi", {16, 184, 340, 120}},
    {"FascicoliDi", Kind::Caption, "Fascicoli di", {12, 26, 100, 24}},
    {"FogliFascicolo",
     Kind::Field,
     "Fogli per fascicolo (vuoto: un solo opuscolo)",
     {116, 26, 60, 24}},
    {"Fogli", Kind::Caption, "fogli (vuoto: uno solo)", {184, 26, 144, 24}},
    {"ScorrimentoDi", Kind::Caption, "Scorrimento", {12, 56, 100, 24}},
    {"Scorrimento", Kind::Field, "Scorrimento in millimetri", {116, 56, 60, 24}},
    {"Millimetri", Kind::Caption, "mm (vuoto: nessuno)", {184, 56, 144, 24}},
    {"ErroreCampi", Kind::Alert, "", {12, 84, 316, 34}, true},
    {"Prova", Kind::Button, "Foglio di prova", {364, 186, 200, 32}},
    {"Retri", Kind::Group, "Retri, stampando senza fronte-retro", {364, 224, 340, 80}, true},
    {"RetriInversi", Kind::Option, "Retri in ordine inverso", {12, 24, 316, 24}},
    {"RetriCapovolti", Kind::Option, "Retri capovolti (girati di 180°)", {12, 50, 316, 24}},
    {"FronteTitolo", Kind::Label, "Foglio 1, fronte", {16, 316, 250, 20}},
    {"RetroTitolo", Kind::Label, "Foglio 1, retro", {276, 316, 250, 20}},
    {"PiegaTitolo", Kind::Label, "Girare e piegare", {536, 316, 168, 20}},
    {"Fronte", Kind::Side, "Anteprima del foglio 1, fronte", {16, 338, 250, 179}},
    {"Retro", Kind::Side, "Anteprima del foglio 1, retro", {276, 338, 250, 179}},
    {"Piegatura", Kind::Drawing, "Come girare e piegare il foglio", {536, 338, 168, 179}},
    {"Istruzioni", Kind::Label, "", {16, 524, 688, 62}},
    {"Crea", Kind::Button, "Crea l'opuscolo", {16, 594, 200, 32}},
    {"Avanzamento", Kind::Progress, "Avanzamento", {228, 598, 360, 24}, true},
    {"Annulla", Kind::Button, "Annulla", {596, 594, 108, 32}, true},
    {"Risultato", Kind::Label, "", {16, 634, 688, 46}, true},
    {"Apri", Kind::Button, "Apri", {16, 686, 140, 32}, true},
    {"ApriCartella", Kind::Button, "Apri la cartella", {166, 686, 180, 32}, true},
    {"Stampa", Kind::Button, "Stampa\u2026", {564, 686, 140, 32}},
};

bool inGroup(Kind kind) {
    return kind == Kind::Choice || kind == Kind::Caption || kind == Kind::Field ||
           kind == Kind::Option || kind == Kind::Alert;
}

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Title:
    case Kind::Label:
    case Kind::Caption:
    case Kind::Alert: {
        auto* label = new QLabel(text, parent);
        // A caption stands level with the field beside it.
        label->setAlignment(Qt::AlignLeft |
                            (row.kind == Kind::Caption ? Qt::AlignVCenter : Qt::AlignTop));
        label->setWordWrap(row.kind == Kind::Label || row.kind == Kind::Alert);
        label->setTextFormat(Qt::PlainText);
        if (row.kind == Kind::Alert)
            setAccessibleRole(label, QAccessible::AlertMessage);
        return label;
    }
    case Kind::Group:
        return new QGroupBox(text, parent);
    case Kind::Choice:
        return new QRadioButton(text, parent);
    case Kind::Field:
        return new QLineEdit(parent);
    case Kind::Option:
        return new QCheckBox(text, parent);
    case Kind::Side: {
        auto* side = new QLabel(parent);
        side->setFrameShape(QFrame::Box);
        side->setAlignment(Qt::AlignCenter);
        side->setWordWrap(true);
        setAccessibleRole(side, QAccessible::Graphic);
        return side;
    }
    case Kind::Drawing: {
        auto* drawing = new FoldDrawing(parent);
        setAccessibleRole(drawing, QAccessible::Graphic);
        return drawing;
    }
    case Kind::Button:
        return new WrappingButton(text, parent);
    case Kind::Progress:
        return new QProgressBar(parent);
    }
    return nullptr;
}

template <typename T> T* named(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Sets a label's text and the name screen readers hear for it; an empty label is hidden, so
// that they meet nothing nameless.
void setLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

QString blanksText(int pageCount, Mode mode) {
    try {
        const int blanks = checkPageCount(checkedPage(pageCount), mode).pageCount - pageCount;
        if (blanks == 0)
            return QString::fromUtf8(noBlanksText);
        return blanks == 1 ? QStringLiteral("Si aggiunge 1 pagina bianca in fondo")
                           : QStringLiteral("Si aggiungono %1 pagine bianche in fondo").arg(blanks);
    } catch (const UserError& error) {
        return QString::fromUtf8(error.what()); // the engine will refuse it with this message
    }
}

// The sheets per signature the field asks for, 0 for one booklet; throws UserError.
int readSheetsPerSignature(const QString& text) {
    if (text.trimmed().isEmpty())
        return 0;
    bool whole = false;
    const int sheets = text.trimmed().toInt(&whole);
    if (!whole || sheets < 0 || sheets > signatureMaxSheets)
        throw UserError(
            QString::fromUtf8(signaturesRefusedMessage).arg(signatureMaxSheets).toStdString());
    return sheets;
}

// The creep the field asks for, in hundredths of a millimetre; throws UserError.
int readCreep(const QString& text) {
    if (text.trimmed().isEmpty())
        return 0;
    if (const auto hundredths = engine::readMillimetres(text.trimmed().toStdString()))
        return *hundredths;
    throw UserError(
        QString::fromUtf8(creepRefusedMessage).arg(engine::creepMaxMillimetres).toStdString());
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
    setFixedSize(clientSize);
    setAccessibleRole(this, QAccessible::Window);

    QWidget* group = nullptr;
    for (const ControlRow& row : controls) {
        QWidget* control = createControl(row, inGroup(row.kind) ? group : this);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.geometry);
        control->setFont(windowFont("MS Sans Serif", 10, row.kind == Kind::Title));
        control->setAccessibleName(QString::fromUtf8(row.text));
        control->setVisible(!row.hidden);
        if (row.kind == Kind::Group)
            group = control;
    }
    auto* title = named<QLabel>(this, "Documento");
    const QString name = QFileInfo(document_).fileName();
    // A long name is shortened in the middle on screen; screen readers hear it whole.
    title->setText(title->fontMetrics().elidedText(QStringLiteral("Documento: %1").arg(name),
                                                   Qt::ElideMiddle, title->width()));
    title->setAccessibleName(QStringLiteral("Documento: %1").arg(name));
    title->setToolTip(document_);
    setLabel(named<QLabel>(this, "Pagine"),
             pageCount_ < 0 ? QString::fromUtf8(pageCountUnreadableText)
                            : QStringLiteral("Pagine del documento: %1").arg(pageCount_));
    blanks_ = named<QLabel>(this, "Bianche");
    fourUp_ = named<QRadioButton>(this, "Quattro");
    auto* eightUp = named<QRadioButton>(this, "Otto");
    auto* oneFile = named<QRadioButton>(this, "UnFile");
    twoFiles_ = named<QRadioButton>(this, "DueFile");
    signatures_ = named<QLineEdit>(this, "FogliFascicolo");
    creep_ = named<QLineEdit>(this, "Scorrimento");
    fieldError_ = named<QLabel>(this, "ErroreCampi");
    testSheet_ = named<QPushButton>(this, "Prova");
    reversed_ = named<QCheckBox>(this, "RetriInversi");
    turned_ = named<QCheckBox>(this, "RetriCapovolti");
    front_ = named<QLabel>(this, "Fronte");
    back_ = named<QLabel>(this, "Retro");
    drawing_ = named<FoldDrawing>(this, "Piegatura");
    instructions_ = named<QLabel>(this, "Istruzioni");
    create_ = named<QPushButton>(this, "Crea");
    progress_ = named<QProgressBar>(this, "Avanzamento");
    cancel_ = named<QPushButton>(this, "Annulla");
    result_ = named<QLabel>(this, "Risultato");
    open_ = named<QPushButton>(this, "Apri");
    openFolder_ = named<QPushButton>(this, "ApriCartella");
    edge_ = new QComboBox(oneFile->parentWidget());
    edge_->setObjectName(QStringLiteral("Bordo"));
    edge_->addItems({QStringLiteral("sul lato corto"), QStringLiteral("sul lato lungo")});
    edge_->setAccessibleName(QStringLiteral("Fronte-retro sul lato corto o sul lato lungo"));
    edge_->setGeometry(210, 25, 118, 26);
    edge_->setFont(oneFile->font());
    for (QWidget* control : findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control) ||
            qobject_cast<QCheckBox*>(control))
            fitCaption(control);

    (mode == Mode::FourUp ? fourUp_ : eightUp)->setChecked(true);
    oneFile->setChecked(true);
    auto* print = named<QPushButton>(this, "Stampa");
    QWidget* const focusOrder[] = {fourUp_,     eightUp, oneFile,    edge_,       twoFiles_,
                                   signatures_, creep_,  testSheet_, reversed_,   turned_,
                                   create_,     cancel_, open_,      openFolder_, print};
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    create_->setFocus();

    connect(fourUp_, &QRadioButton::toggled, this, &BookletForm::onLayoutChanged);
    connect(twoFiles_, &QRadioButton::toggled, this, &BookletForm::showChoices);
    connect(edge_, &QComboBox::currentIndexChanged, this, &BookletForm::onLayoutChanged);
    connect(print, &QPushButton::clicked, this, &BookletForm::onPrintClicked);
    for (QLineEdit* field : {signatures_, creep_})
        connect(field, &QLineEdit::textChanged, this, &BookletForm::onLayoutChanged);
    connect(create_, &QPushButton::clicked, this, &BookletForm::onCreateClicked);
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

    showChoices();
    requestPreview();
    centreOnScreen(this);
}

Mode BookletForm::mode() const {
    return fourUp_->isChecked() ? Mode::FourUp : Mode::EightUp;
}

void BookletForm::onLayoutChanged() {
    showChoices();
    requestPreview();
}

void BookletForm::showChoices() {
    const Mode mode = this->mode();
    setLabel(blanks_, pageCount_ < 0 ? QString() : blanksText(pageCount_, mode));
    for (const char* name : {"ScorrimentoDi", "Scorrimento", "Millimetri"})
        named<QWidget>(this, name)->setEnabled(mode == Mode::FourUp); // folded one in another
    reversed_->parentWidget()->setVisible(twoFiles_->isChecked());
    const std::optional<engine::BookletJob> job = readJob();
    const int perSignature = job ? job->sheetsPerSignature : 0;
    drawing_->setMode(mode);
    drawing_->setSheets(firstSignatureSheets(pageCount_, mode, perSignature));
    const bool longEdge = !twoFiles_->isChecked() && edge_->currentIndex() == 1;
    edge_->setEnabled(!twoFiles_->isChecked());
    drawing_->setLongEdge(longEdge);
    const char* turn = twoFiles_->isChecked() ? separateTurnText
                       : longEdge             ? longEdgeTurnText
                                              : duplexTurnText;
    QString fold = QString::fromUtf8(mode == Mode::FourUp ? fourUpFoldText : eightUpFoldText);
    if (perSignature > 0 && mode == Mode::FourUp)
        fold = QString::fromUtf8(fourUpSignatureFoldText).arg(perSignature);
    else if (perSignature > 0)
        fold += QLatin1Char(' ') + QString::fromUtf8(eightUpSignatureText).arg(perSignature);
    setLabel(instructions_, QString::fromUtf8(turn) + QLatin1Char(' ') + fold);
    drawing_->setAccessibleDescription(instructions_->text());
}

std::optional<engine::BookletJob> BookletForm::readJob(bool focusFault) {
    const bool separate = twoFiles_->isChecked();
    QLineEdit* field = signatures_;
    try {
        const int sheetsPerSignature = readSheetsPerSignature(signatures_->text());
        field = creep_;
        const auto edge = !separate && edge_->currentIndex() == 1
                              ? std::optional(engine::Edge::Long)
                              : std::nullopt; // one file: the edge its backs are turned for
        const engine::BookletJob job{.mode = mode(),
                                     .document = QFile::encodeName(document_).toStdString(),
                                     .separate = separate,
                                     .progress = true,
                                     .sheetsPerSignature = sheetsPerSignature,
                                     .creep =
                                         mode() == Mode::FourUp ? readCreep(creep_->text()) : 0,
                                     .reversedBacks = separate && reversed_->isChecked(),
                                     .turnedBacks = separate && turned_->isChecked(),
                                     .edge = edge};
        setLabel(fieldError_, QString());
        return job;
    } catch (const UserError& error) {
        setLabel(fieldError_, QString::fromUtf8(error.what()));
        fitCaption(fieldError_);
        if (focusFault)
            field->setFocus();
        return std::nullopt;
    }
}

void BookletForm::requestPreview() {
    const std::optional<engine::BookletJob> job = readJob();
    if (!job)
        return; // the field says why; the last sheet shown stays
    for (QLabel* side : {front_, back_})
        side->setText(QString::fromUtf8(previewWaitingText));
    // Rendered at the screen's own pixel density, so that it stays sharp when scaled.
    const qreal ratio = devicePixelRatioF();
    preview_->request(*job, front_->contentsRect().size() * ratio);
}

void BookletForm::onCreateClicked() {
    const std::optional<engine::BookletJob> job = readJob(true);
    if (!job)
        return;
    // Two files are named after the name chosen, as they are after the document.
    const std::string name = job->separate ? job->document : engine::outputPaths(*job).front();
    run(*job, QFileInfo(QFile::decodeName(QByteArray::fromStdString(name))).fileName(), saveTitle);
}

void BookletForm::onTestSheetClicked() {
    run({.mode = mode(), .progress = true, .testSheet = true}, QString::fromLatin1(testSheetName),
        saveTestSheetTitle);
}

void BookletForm::run(engine::BookletJob job, const QString& name, const char* saveCaption) {
    const QDir folder = QFileInfo(document_).absoluteDir();
    if (!QFileInfo(folder.absolutePath()).isWritable()) {
        // The document's folder can't take the files: the user says where they go.
        const QString output =
            QFileDialog::getSaveFileName(this, QString::fromUtf8(saveCaption),
                                         QDir::home().filePath(name), QString::fromUtf8(pdfFilter));
        if (output.isEmpty())
            return;
        job.output = QFile::encodeName(output).toStdString();
    } else if (job.testSheet) {
        job.output = QFile::encodeName(folder.filePath(name)).toStdString();
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
    for (QWidget* choice : {fourUp_->parentWidget(), twoFiles_->parentWidget(),
                            signatures_->parentWidget(), reversed_->parentWidget(),
                            static_cast<QWidget*>(testSheet_), static_cast<QWidget*>(create_)})
        choice->setEnabled(enabled);
}

void BookletForm::onPrintClicked() {
    std::optional<engine::BookletJob> job = readJob(true);
    if (!job)
        return;
    // One booklet, on whatever edge the printer turns; the backs' options for feeding it by hand.
    job->separate = false;
    job->edge.reset();
    job->reversedBacks = reversed_->isChecked();
    job->turnedBacks = turned_->isChecked();
    auto* dialog = new PrintDialog(*job, engine_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void BookletForm::onOpenClicked() {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(written_.value(0))))
        showMessage(this, QString::fromUtf8(cannotOpenFileMessage));
}

void BookletForm::onOpenFolderClicked() {
    const QString folder = QFileInfo(written_.value(0)).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        showMessage(this, QString::fromUtf8(cannotOpenFolderMessage));
}

void BookletForm::closeEvent(QCloseEvent* event) {
    process_->cancel(); // a booklet left half made is no booklet
    event->accept();
}

} // namespace plicora
