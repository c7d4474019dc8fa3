#include "booklet_form.h"

#include "accessibility.h"
#include "booklet_process.h"
#include "caption_fit.h"
#include "centre.h"
#include "core/page_count.h"
#include "core/user_error.h"
#include "fold_drawing.h"
#include "fonts.h"
#include "message_box.h"
#include "pdf_pages.h"
#include "sheet_preview.h"
#include "ui_messages.h"
#include "wrapping_button.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

namespace plicora {
namespace {

enum class Kind { Title, Label, Group, Choice, Side, Drawing, Button, Progress };

// One control of the window, in creation order; a choice sits in the group created before it.
struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;    // caption, or the accessible name of a picture
    QRect geometry;      // in pixels, within the window or the choice's group
    bool hidden = false; // at opening
};

constexpr QSize clientSize(720, 578);
constexpr int progressDelayMs = 400;

const ControlRow controls[] = {
    {"Documento", Kind::Title, "", {16, 10, 688, 24}},
    {"Pagine", Kind::Label, "", {16, 38, 688, 22}},
    {"Bianche", Kind::Label, "", {16, 60, 688, 22}},
    {"PagineFoglio", Kind::Group, "Pagine per foglio", {16, 90, 340, 86}},
    {"Quattro", Kind::Choice, "4 pagine (opuscolo A5)", {12, 26, 316, 24}},
    {"Otto", Kind::Choice, "8 pagine", {12, 54, 316, 24}},
    {"Stampante", Kind::Group, "Stampante", {364, 90, 340, 86}},
    {"UnFile", Kind::Choice, "Un file, per il fronte-retro", {12, 26, 316, 24}},
    {"DueFile", Kind::Choice, "Due file: fronti e retri", {12, 54, 316, 24}},
    {"FronteTitolo", Kind::Label, "Foglio 1, fronte", {16, 186, 250, 20}},
    {"RetroTitolo", Kind::Label, "Foglio 1, retro", {276, 186, 250, 20}},
    {"PiegaTitolo", Kind::Label, "Girare e piegare", {536, 186, 168, 20}},
    {"Fronte", Kind::Side, "Anteprima del foglio 1, fronte", {16, 208, 250, 179}},
    {"Retro", Kind::Side, "Anteprima del foglio 1, retro", {276, 208, 250, 179}},
    {"Piegatura", Kind::Drawing, "Come girare e piegare il foglio", {536, 208, 168, 179}},
    {"Istruzioni", Kind::Label, "", {16, 394, 688, 42}},
    {"Crea", Kind::Button, "Crea l'opuscolo", {16, 444, 200, 32}},
    {"Avanzamento", Kind::Progress, "Avanzamento", {228, 448, 360, 24}, true},
    {"Annulla", Kind::Button, "Annulla", {596, 444, 108, 32}, true},
    {"Risultato", Kind::Label, "", {16, 484, 688, 46}, true},
    {"Apri", Kind::Button, "Apri", {16, 536, 140, 32}, true},
    {"ApriCartella", Kind::Button, "Apri la cartella", {166, 536, 180, 32}, true},
};

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Title:
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(row.kind == Kind::Label);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::Group:
        return new QGroupBox(text, parent);
    case Kind::Choice:
        return new QRadioButton(text, parent);
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

} // namespace

BookletForm::BookletForm(const QString& document, Mode mode, const QString& engine)
    : document_(QFileInfo(document).absoluteFilePath()),
      pageCount_(pdfPageCount(engine, document_)), process_(new BookletProcess(engine, this)),
      preview_(new SheetPreview(engine, this)), progressDelay_(new QTimer(this)) {
    setObjectName(QStringLiteral("BookletForm"));
    setWindowTitle(QStringLiteral("Plicora"));
    setFixedSize(clientSize);
    setAccessibleRole(this, QAccessible::Window);

    QWidget* group = nullptr;
    for (const ControlRow& row : controls) {
        QWidget* control = createControl(row, row.kind == Kind::Choice ? group : this);
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
    for (QWidget* control : findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control))
            fitCaption(control);

    (mode == Mode::FourUp ? fourUp_ : eightUp)->setChecked(true);
    oneFile->setChecked(true);
    QWidget::setTabOrder(fourUp_, eightUp);
    QWidget::setTabOrder(eightUp, oneFile);
    QWidget::setTabOrder(oneFile, twoFiles_);
    QWidget::setTabOrder(twoFiles_, create_);
    QWidget::setTabOrder(create_, cancel_);
    QWidget::setTabOrder(cancel_, open_);
    QWidget::setTabOrder(open_, openFolder_);
    create_->setFocus();

    connect(fourUp_, &QRadioButton::toggled, this, &BookletForm::onModeChosen);
    connect(twoFiles_, &QRadioButton::toggled, this, &BookletForm::showChoices);
    connect(create_, &QPushButton::clicked, this, &BookletForm::onCreateClicked);
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

void BookletForm::onModeChosen() {
    showChoices();
    requestPreview();
}

void BookletForm::showChoices() {
    setLabel(blanks_, pageCount_ < 0 ? QString() : blanksText(pageCount_, mode()));
    drawing_->setMode(mode());
    const char* turn = twoFiles_->isChecked() ? separateTurnText : duplexTurnText;
    const char* fold = mode() == Mode::FourUp ? fourUpFoldText : eightUpFoldText;
    setLabel(instructions_, QString::fromUtf8(turn) + QLatin1Char(' ') + QString::fromUtf8(fold));
    drawing_->setAccessibleDescription(instructions_->text());
}

void BookletForm::requestPreview() {
    for (QLabel* side : {front_, back_})
        side->setText(QString::fromUtf8(previewWaitingText));
    // Rendered at the screen's own pixel density, so that it stays sharp when scaled.
    const qreal ratio = devicePixelRatioF();
    preview_->request(document_, mode(), front_->contentsRect().size() * ratio);
}

void BookletForm::onCreateClicked() {
    engine::BookletJob job{.mode = mode(),
                           .document = QFile::encodeName(document_).toStdString(),
                           .separate = twoFiles_->isChecked(),
                           .progress = true};
    const QFileInfo folder(QFileInfo(document_).absolutePath());
    if (!folder.isWritable()) {
        // The document's folder can't take the booklet: the user says where it goes.
        const QString suggested =
            QFile::decodeName(QByteArray::fromStdString(engine::outputPaths(job).front()));
        const QString output = QFileDialog::getSaveFileName(
            this, QString::fromUtf8(saveTitle),
            QDir::home().filePath(QFileInfo(suggested).fileName()), QString::fromUtf8(pdfFilter));
        if (output.isEmpty())
            return;
        job.output = QFile::encodeName(output).toStdString();
    }
    setLabel(result_, QString());
    open_->hide();
    openFolder_->hide();
    for (QWidget* choice :
         {static_cast<QWidget*>(fourUp_->parentWidget()),
          static_cast<QWidget*>(twoFiles_->parentWidget()), static_cast<QWidget*>(create_)})
        choice->setEnabled(false);
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
    setLabel(result_,
             QString::fromUtf8(createdText) + QLatin1Char('\n') + paths.join(QLatin1Char('\n')));
    open_->show();
    openFolder_->show();
    open_->setAccessibleDescription(result_->text());
    open_->setFocus();
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
    fourUp_->parentWidget()->setEnabled(true);
    twoFiles_->parentWidget()->setEnabled(true);
    create_->setEnabled(true);
    create_->setFocus();
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
