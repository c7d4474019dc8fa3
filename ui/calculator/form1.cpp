#include "ui/calculator/form1.h"

#include "ui/shared/ui_messages.h"

#include "ui/accessibility.h"
#include "ui/booklet/booklet_window.h"
#include "ui/booklet/pdf_drop_target.h"
#include "ui/calculator/calculator_form.h"
#include "ui/calculator/caption_fit.h"
#include "ui/calculator/fonts.h"
#include "ui/calculator/link_button.h"
#include "ui/calculator/pixel_runs.h"
#include "ui/calculator/twips.h"
#include "ui/calculator/wrapping_button.h"
#include "ui/shared/centre.h"
#include "ui/shared/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QResource>

namespace plicora {
namespace {

const QColor yellow(255, 255, 0);
// Shape1: the yellow plate behind the title. It is painted with the picture rather than being a
// widget, so that screen readers don't stop on a nameless decoration.
const QRect shape1 = twipRect(1320, 240, 3135, 735);

// The buttons' face: some styles would paint the palette's button colour as a gradient.
const QColor orange(255, 192, 128);

struct ButtonRow {
    const char* name;
    const char* caption;
    int left; // twips; the buttons share top, width and height
    void (Form1::*onClicked)();
};

constexpr int pictureWidth = 652, pictureHeight = 357;

// The way to the booklet from a PDF, a link on the free strip of the picture's ground above the
// stack of sheets, in a blue that reads on the teal whatever the desktop's colours.
const QRect pdfLinkRect(312, 8, 330, 26);
const QColor linkBlue(0, 0, 139);

// The picture is kept in the resources as runs of equal pixels and drawn from there: decoding an
// image file took a sixth of the start-up time, and raw pixels added a megabyte to its memory.
void drawMainPicture(QPainter& painter) {
    const QResource runs(QStringLiteral(":/resources/main_picture.runs"));
    drawPixelRuns(painter, QByteArrayView(reinterpret_cast<const char*>(runs.data()), runs.size()),
                  QSize(pictureWidth, pictureHeight));
}

// Drawn at twice the size for high-DPI screens; only those pay for decoding it.
QImage sharpMainPicture() {
    QImage image(QStringLiteral(":/resources/main_picture@2x.png"));
    image.setDevicePixelRatio(2);
    return image;
}

} // namespace

const char* const Form1::helpText =
    "Il programma calcola l'esatta sequenza di pagine da stampare di un documento win-word in "
    "formato A4\n"
    "per ottenere una stampa in formato A5 da rilegare in opuscoletto. Le sequenze calcolate "
    "possono\n"
    "essere copiate in memoria tramite il mouse e messe nel campo di word che permette la "
    "stampa dei\n"
    "singoli fogli. Allo stesso modo si possono stampare le diapositive di Power-Point al fine "
    "di\n"
    "ottenere un opuscoletto A5 che si presta meglio a una lettura.\n"
    "(il formato A5 \u00e8 esattamente la met\u00e0 dei un foglio A4)\n"
    "Autore : Prof. Varlenti\n"
    "Versione Luglio 2010";

Form1::Form1() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Plicora"));
    setFixedSize(twipSize(9765, 5355));

    setAccessibleRole(this, QAccessible::Window); // a frame with its caption, not a filler

    auto* title = new QLabel(QStringLiteral("Stampa opuscoletto"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(twipRect(1560, 360, 2775, 495));
    title->setFont(windowFont("Times New Roman", 15.75, true));
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setAccessibleName(title->text());
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, yellow);
    palette.setColor(QPalette::WindowText, Qt::black); // readable on yellow whatever the theme
    title->setPalette(palette);
    title->setAutoFillBackground(true);
    fitCaption(title);

    static constexpr ButtonRow buttons[] = {
        {"Command1", "Stampa 4 pagine x foglio", 1560, &Form1::onCommand1Clicked},
        {"Command2", "Stampa 8 pagine x foglio", 3240, &Form1::onCommand2Clicked},
        {"Command3", "HELP", 4920, &Form1::onCommand3Clicked},
        {"Command4", "FINE", 6600, &Form1::onCommand4Clicked},
    };
    QWidget* previous = nullptr;
    for (const ButtonRow& row : buttons) {
        auto* button = new WrappingButton(QString::fromLatin1(row.caption), this, orange);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(twipRect(row.left, 4560, 1695, 735));
        button->setFont(windowFont("Times New Roman", 11.25, true));
        button->setAccessibleName(button->text());
        fitCaption(button);
        connect(button, &QPushButton::clicked, this, row.onClicked);
        if (previous)
            setTabOrder(previous, button);
        else
            button->setFocus();
        previous = button;
    }
    createPdfLink(previous);
    new PdfDropTarget(this, Mode::FourUp);

    centreOnScreen(this);
}

void Form1::createPdfLink(QWidget* previous) {
    auto* link = new LinkButton(QString::fromUtf8(bookletLinkText), this);
    link->setObjectName(QStringLiteral("ApriPdf"));
    link->setGeometry(pdfLinkRect);
    link->setCursor(Qt::PointingHandCursor);
    // The buttons' font, underlined: another face would cost start-up its loading.
    QFont font = windowFont("Times New Roman", 11.25, true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::ButtonText, linkBlue);
    link->setPalette(palette);
    setTabOrder(previous, link); // after the designed buttons
    connect(link, &QPushButton::clicked, this, &Form1::onPdfLinkClicked);
}

void Form1::onPdfLinkClicked() {
    chooseBookletDocument(this);
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (devicePixelRatioF() > 1) {
        if (sharpPicture_.isNull())
            sharpPicture_ = sharpMainPicture();
        painter.drawImage(QRectF(0, 0, pictureWidth, pictureHeight), sharpPicture_);
    } else {
        drawMainPicture(painter);
    }
    painter.fillRect(shape1, yellow);
}

void Form1::openCalculator(const CalculatorVariant& variant) {
    hide();
    auto* calculator = new CalculatorForm(variant);
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    connect(calculator, &CalculatorForm::closed, this, &QWidget::show);
    calculator->show();
}

void Form1::onCommand1Clicked() {
    openCalculator(fourUpCalculator());
}

void Form1::onCommand2Clicked() {
    openCalculator(eightUpCalculator());
}

void Form1::onCommand3Clicked() {
    showMessage(this, QString::fromUtf8(helpText));
}

// Ends at once: exit(), unlike quit(), sends no close event to any window.
void Form1::onCommand4Clicked() {
    QCoreApplication::exit(0);
}

} // namespace plicora
