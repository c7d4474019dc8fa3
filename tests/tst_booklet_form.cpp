// The booklet window with the real engine as its child process, and the drop of a PDF on the
// calculator windows.
#include "test_support.h"
#include "window_test_support.h"

#include "engine/engine_protocol.h"
#include "imposition/imposition_messages.h"
#include "job_rules.h"
#include "tools/numbered_pdf/numbered_pdf.h"
#include "ui/booklet/booklet_form.h"
#include "ui/calculator/calculator_form.h"
#include "ui/calculator/caption_fit.h"
#include "ui/calculator/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

const QString engineProgram = QStringLiteral(PLICORA_ENGINE);

fs::path numberedPdf(const fs::path& folder, int pages, int textLines = 0) {
    const fs::path path = folder / "doc.pdf";
    writeNumberedPdf(path, std::vector<NumberedPage>(pages), textLines);
    return path;
}

QString qt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename());
    return names;
}

// A stand-in engine: a shell script with this body.
fs::path fakeEngine(const fs::path& folder, const std::string& body) {
    const fs::path path = folder / "motore";
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

bool previewShown(const BookletForm& form) {
    return !child<QLabel>(&form, "Fronte")->pixmap().isNull() &&
           !child<QLabel>(&form, "Retro")->pixmap().isNull();
}

// Waits until the window has read its document, as it does a moment after it opens.
void waitUntilRead(const BookletForm& form) {
    ASSERT_TRUE(waitUntil([&] {
        return !child<QLabel>(&form, "Pagine")->text().startsWith("Lettura del documento");
    }));
}

void type(BookletForm& form, const char* field, const char* text) {
    child<QLineEdit>(&form, field)->setText(QString::fromUtf8(text));
}

// What the window says of a document and a layout.
struct ChoiceCase {
    const char* name;
    int pages;
    Mode opened;
    const char* blanks;      // for the layout it opened with
    const char* blanksOther; // after choosing the other one
};

class Choices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choices, sayHowManyBlanksTheLayoutAdds) {
    const ChoiceCase& c = GetParam();
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), c.pages)), c.opened, engineProgram);
    form.show();
    waitUntilRead(form);
    EXPECT_EQ(child<QLabel>(&form, "Documento")->text(), "Documento: doc.pdf");
    EXPECT_EQ(child<QLabel>(&form, "Pagine")->text(),
              QStringLiteral("Pagine del documento: %1").arg(c.pages));
    EXPECT_EQ(child<QRadioButton>(&form, "Quattro")->isChecked(), c.opened == Mode::FourUp);
    EXPECT_TRUE(child<QRadioButton>(&form, "UnFile")->isChecked());
    EXPECT_EQ(child<QLabel>(&form, "Bianche")->text(), QString::fromUtf8(c.blanks));
    child<QRadioButton>(&form, c.opened == Mode::FourUp ? "Otto" : "Quattro")->click();
    EXPECT_EQ(child<QLabel>(&form, "Bianche")->text(), QString::fromUtf8(c.blanksOther));
    child<QRadioButton>(&form, "DueFile")->click();
    EXPECT_TRUE(child<QLabel>(&form, "Istruzioni")->text().startsWith("Stampa i fronti"));
}

INSTANTIATE_TEST_SUITE_P(Documents, Choices,
                         ::testing::Values(ChoiceCase{"wholeSheets", 8, Mode::FourUp,
                                                      "Nessuna pagina bianca da aggiungere",
                                                      "Nessuna pagina bianca da aggiungere"},
                                           ChoiceCase{"oneBlank", 7, Mode::FourUp,
                                                      "Si aggiunge 1 pagina bianca in fondo",
                                                      "Si aggiunge 1 pagina bianca in fondo"},
                                           ChoiceCase{"eightUpBlanks", 10, Mode::EightUp,
                                                      "Si aggiungono 6 pagine bianche in fondo",
                                                      "Si aggiungono 2 pagine bianche in fondo"}),
                         caseName<ChoiceCase>);

TEST(Preview, showsTheFirstSheetsTwoSidesFromTheEngine) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    form.show();
    ASSERT_TRUE(waitUntil([&] { return previewShown(form); }));
    const QLabel* front = child<QLabel>(&form, "Fronte");
    const QPixmap side = front->pixmap();
    // As many pixels as the screen shows, so that it is sharp at any scale factor.
    EXPECT_EQ(side.width(), qRound(front->contentsRect().width() * form.devicePixelRatioF()));
    EXPECT_NE(side.toImage(), child<QLabel>(&form, "Retro")->pixmap().toImage());
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"doc.pdf"}); // made elsewhere

    child<QRadioButton>(&form, "Otto")->click();
    EXPECT_TRUE(front->pixmap().isNull()); // the four-up sheet is not shown as eight-up
    ASSERT_TRUE(waitUntil([&] { return previewShown(form); }));
}

// The window on a screen of 960 x 600 logical pixels, 1920 x 1200 at 200 %, whatever
// QT_SCALE_FACTOR the run sets: its title bar and frame take the rest.
TEST(Screen, theWindowFitsSmallScreensAndGrows) {
    constexpr QSize screen(960, 600), frame(16, 48);
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 600)), Mode::FourUp, engineProgram);
    form.show();
    waitUntilRead(form);
    const QSize minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
    EXPECT_LE(minimum.width(), screen.width() - frame.width()) << minimum.width();
    EXPECT_LE(minimum.height(), screen.height() - frame.height()) << minimum.height();
    child<QRadioButton>(&form, "DueFile")->click(); // the tallest the choices get
    EXPECT_LE(form.minimumSizeHint().height(), screen.height() - frame.height());
    form.resize(1400, 900);
    EXPECT_EQ(form.size(), QSize(1400, 900));
}

// As it opens on the screen of the run (in ctest, 1920 x 1200 at 100, 150 and 200 %), the window
// and its frame are inside the screen's available area, the run's buttons in view.
TEST(Screen, opensInsideTheScreenWithItsButtonsInView) {
    constexpr QSize frame(16, 48);
    const TemporaryDirectory dir;
    const QString document = qt(numberedPdf(dir.path(), 600));
    BookletForm form(document, Mode::FourUp, engineProgram);
    form.show();
    waitUntilRead(form);
    const QRect area = form.screen()->availableGeometry();
    if (!area.contains(QRect(area.topLeft(), form.minimumSizeHint() + frame + QSize(64, 64))))
        GTEST_SKIP() << "a screen smaller than the window's least";
    EXPECT_TRUE(area.contains(QRect(form.pos(), form.size() + frame)))
        << form.x() << "," << form.y() << " " << form.width() << "x" << form.height();
    for (const char* name : {"Crea", "Stampa"}) {
        const QWidget* button = child(&form, name);
        EXPECT_TRUE(form.rect().contains(QRect(button->mapTo(&form, QPoint()), button->size())))
            << name;
    }
    // A second window for the same document opens offset, not exactly on top of the first.
    BookletForm second(document, Mode::FourUp, engineProgram);
    second.show();
    EXPECT_NE(second.pos(), form.pos());
    EXPECT_TRUE(area.contains(QRect(second.pos(), second.size() + frame)));
}

// The preview takes the room the window gives it, the sheet's proportions kept, and is drawn at
// the screen's pixels.
TEST(Screen, thePreviewGrowsWithTheWindow) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    form.show();
    const QLabel* front = child<QLabel>(&form, "Fronte");
    const auto widthAt = [&](QSize size) {
        form.resize(size);
        QApplication::processEvents();
        return front->width();
    };
    const int opened = widthAt(form.sizeHint());
    const int large = widthAt(QSize(1260, 1000));
    std::cout << "preview side: " << opened << " px as it opens, " << large
              << " px in a 1260 x 1000 window\n";
    EXPECT_GE(large, 1.4 * opened);
    EXPECT_NEAR(double(front->width()) / front->height(), 842.0 / 595, 0.02);
    const auto sharp = [&] {
        return !front->pixmap().isNull() &&
               front->pixmap().width() ==
                   qRound(front->contentsRect().width() * form.devicePixelRatioF());
    };
    EXPECT_TRUE(waitUntil(sharp));
}

// Every control the keyboard reaches has its own Alt letter.
TEST(Screen, everyButtonAndFieldHasItsOwnMnemonic) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    std::set<QChar> letters;
    const auto take = [&](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << text.toStdString();
        EXPECT_TRUE(letters.insert(text.at(at + 1).toLower()).second) << text.toStdString();
    };
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>())
        if (!qobject_cast<const QTabBar*>(button->parent())) // not the tabs' scrolling arrows
            take(button->text());
    for (const QLineEdit* field : form.findChildren<QLineEdit*>()) {
        const auto labels = form.findChildren<QLabel*>();
        const auto buddy = std::find_if(labels.begin(), labels.end(),
                                        [&](const QLabel* l) { return l->buddy() == field; });
        ASSERT_NE(buddy, labels.end()) << field->objectName().toStdString();
        take((*buddy)->text());
    }
}

// The preview is paper: white with a dark frame, under a dark desktop palette too.
TEST(Screen, thePreviewIsWhitePaperUnderADarkPalette) {
    const QPalette original = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(53, 53, 53))); // every colour dark, text light
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    form.show();
    for (const char* name : {"Fronte", "Retro"}) {
        const QImage side = child<QLabel>(&form, name)->grab().toImage();
        EXPECT_EQ(side.pixelColor(side.width() / 2, 3), QColor(Qt::white)) << name;
        EXPECT_LT(side.pixelColor(0, side.height() / 2).lightness(), 60) << name; // the frame
    }
    ASSERT_TRUE(waitUntil([&] { return previewShown(form); }));
    const QImage front = child<QLabel>(&form, "Fronte")->grab().toImage();
    EXPECT_EQ(front.pixelColor(front.width() / 2, 3), QColor(Qt::white));
    QApplication::setPalette(original);
}

// Stepping through the sheets, and through the booklet as it reads: where the preview stands,
// and what screen readers hear of its pictures.
struct StepCase {
    const char* name;
    bool reading;           // the "Come si legge" view
    std::vector<int> steps; // Page Down for 1, Page Up for -1, in turn
    const char* position;
    std::vector<std::pair<const char*, const char*>> pictures; // object name, accessible name
    bool previous;                                             // the buttons' state
    bool next;
};

class Stepping : public ::testing::TestWithParam<StepCase> {};

TEST_P(Stepping, showsWhereThePreviewStandsToScreenReaders) {
    const StepCase& c = GetParam();
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 12)), Mode::FourUp, engineProgram);
    form.show();
    QApplication::setActiveWindow(&form);
    waitUntilRead(form);
    if (c.reading)
        child<QTabBar>(&form, "Viste")->setCurrentIndex(1);
    for (const int step : c.steps) {
        QKeyEvent key(QEvent::KeyPress, step > 0 ? Qt::Key_PageDown : Qt::Key_PageUp,
                      Qt::NoModifier);
        QApplication::sendEvent(child(&form, "Crea"), &key);
    }
    EXPECT_EQ(child<QLabel>(&form, "Posizione")->text(), c.position);
    for (const auto& [name, accessible] : c.pictures) {
        EXPECT_EQ(child(&form, name)->accessibleName(), QString::fromUtf8(accessible)) << name;
        EXPECT_TRUE(waitUntil([&] { return !child<QLabel>(&form, name)->pixmap().isNull(); }))
            << name;
    }
    EXPECT_EQ(child(&form, "Precedente")->isEnabled(), c.previous);
    EXPECT_EQ(child(&form, "Successivo")->isEnabled(), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Stepping,
    ::testing::Values(
        StepCase{"first",
                 false,
                 {},
                 "Foglio 1 di 3",
                 {{"Fronte", "Anteprima del foglio 1, fronte"},
                  {"Retro", "Anteprima del foglio 1, retro"}},
                 false,
                 true},
        StepCase{"second",
                 false,
                 {1},
                 "Foglio 2 di 3",
                 {{"Fronte", "Anteprima del foglio 2, fronte"},
                  {"Retro", "Anteprima del foglio 2, retro"}},
                 true,
                 true},
        StepCase{"pastTheLast",
                 false,
                 {1, 1, 1, 1},
                 "Foglio 3 di 3",
                 {{"Fronte", "Anteprima del foglio 3, fronte"}},
                 true,
                 false},
        StepCase{"backBeforeTheFirst", false, {1, -1, -1}, "Foglio 1 di 3", {}, false, true},
        StepCase{"cover",
                 true,
                 {},
                 "Pagina 1 di 12",
                 {{"Lettura", "Anteprima della pagina 1, come si legge"}},
                 false,
                 true},
        StepCase{"facingPages",
                 true,
                 {1},
                 "Pagine 2 e 3 di 12",
                 {{"Lettura", "Anteprima delle pagine 2 e 3, come si leggono"}},
                 true,
                 true},
        StepCase{"backCover",
                 true,
                 {1, 1, 1, 1, 1, 1, 1},
                 "Pagina 12 di 12",
                 {{"Lettura", "Anteprima della pagina 12, come si legge"}},
                 true,
                 false}),
    caseName<StepCase>);

// The texts that follow the choices: the booklet the four-up layout makes on the paper chosen, and
// one folding instruction for the way the booklet opens.
struct TextCase {
    const char* name;
    std::function<void(BookletForm&)> set;
    const char* fourUp;
    const char* fold; // the instructions hold it
};

class Texts : public ::testing::TestWithParam<TextCase> {};

TEST_P(Texts, followTheChoices) {
    const TextCase& c = GetParam();
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    EXPECT_EQ(form.windowTitle(), "doc.pdf \u2014 Plicora");
    EXPECT_EQ(child<QLineEdit>(&form, "CartaSuMisura")->placeholderText(), "es. 320x450");
    c.set(form);
    EXPECT_EQ(child<QRadioButton>(&form, "Quattro")->text(), QString::fromUtf8(c.fourUp));
    const QString instructions = child<QLabel>(&form, "Istruzioni")->text();
    EXPECT_TRUE(instructions.contains(QString::fromUtf8(c.fold))) << instructions.toStdString();
    EXPECT_EQ(instructions.count(QStringLiteral("sotto la")), 1) << instructions.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Texts,
    ::testing::Values(
        TextCase{"a4", [](BookletForm&) {}, "&4 pagine (opuscolo A5)",
                 "la met\u00e0 sinistra sotto la destra"},
        TextCase{"a3",
                 [](BookletForm& form) { child<QComboBox>(&form, "Carta")->setCurrentText("A3"); },
                 "&4 pagine (opuscolo A4)", "sinistra sotto la destra"},
        TextCase{
            "letter",
            [](BookletForm& form) { child<QComboBox>(&form, "Carta")->setCurrentText("Letter"); },
            "&4 pagine (opuscolo mezza Letter)", "sinistra sotto la destra"},
        TextCase{"custom",
                 [](BookletForm& form) {
                     child<QComboBox>(&form, "Carta")->setCurrentText("Su misura");
                     type(form, "CartaSuMisura", "320x451");
                 },
                 "&4 pagine (opuscolo 225,5\u00d7320 mm)", "sinistra sotto la destra"},
        TextCase{"rightToLeft",
                 [](BookletForm& form) { child<QCheckBox>(&form, "DaDestra")->click(); },
                 "&4 pagine (opuscolo A5)", "la met\u00e0 destra sotto la sinistra"},
        TextCase{"rightToLeftSignatures",
                 [](BookletForm& form) {
                     child<QCheckBox>(&form, "DaDestra")->click();
                     type(form, "FogliFascicolo", "1");
                 },
                 "&4 pagine (opuscolo A5)",
                 "a met\u00e0 portando la met\u00e0 destra sotto la sinistra"}),
    caseName<TextCase>);

// A document too thick for one booklet: signatures proposed, and why, in one line.
TEST(Advice, proposesSignaturesForAThickDocument) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 600)), Mode::FourUp, engineProgram);
    form.show();
    waitUntilRead(form);
    EXPECT_EQ(child<QLineEdit>(&form, "FogliFascicolo")->text(), "8");
    EXPECT_EQ(child<QLabel>(&form, "Consiglio")->text(),
              "Un solo opuscolo avrebbe 150 fogli: oltre 20 non si piega bene, quindi si "
              "propongono fascicoli di 8 (vuoto: un solo opuscolo).");
    EXPECT_TRUE(child<QLabel>(&form, "Istruzioni")->text().contains("fascicoli di 8 fogli"));
    child<QRadioButton>(&form, "Otto")->click(); // the proposal follows the layout: 75 sheets
    EXPECT_EQ(child<QLineEdit>(&form, "FogliFascicolo")->text(), "8");
    type(form, "FogliFascicolo", ""); // one booklet, as the user wants
    EXPECT_TRUE(child<QLabel>(&form, "Consiglio")->isVisible());
    EXPECT_FALSE(child<QLabel>(&form, "ErroreCampi")->isVisible());

    BookletForm thin(qt(numberedPdf(dir.path(), 80)), Mode::FourUp, engineProgram);
    waitUntilRead(thin);
    EXPECT_EQ(child<QLineEdit>(&thin, "FogliFascicolo")->text(), "");
}

// "Apri" and "Apri la cartella" when the desktop has no program for them: a message.
TEST(Open, saysSoWhenNothingOpensTheFile) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 4)), Mode::FourUp, engineProgram);
    form.show();
    child<QPushButton>(&form, "Crea")->click();
    ASSERT_TRUE(waitUntil([&] { return child<QPushButton>(&form, "Apri")->isVisible(); }));
    // The desktop's opener finds no program, as xdg-open does without a PDF viewer.
    fakeEngine(dir.path(), "exit 3");
    fs::rename(dir.path() / "motore", dir.path() / "xdg-open");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dir.path().string()) + ":" + path);
    for (const char* button : {"Apri", "ApriCartella"}) {
        const MessageSeen seen = answerMessageBox([&] {
            child<QPushButton>(&form, button)->click();
            waitUntil([&] { return !form.findChild<QObject*>(QStringLiteral("Apritore")); });
        });
        EXPECT_TRUE(seen.text.startsWith("Impossibile aprire")) << button;
    }
    qputenv("PATH", path);
}

// A booklet made with the real engine, beside the document.
struct CreateCase {
    const char* name;
    bool twoFiles;
    std::vector<std::string> written;
};

class Create : public ::testing::TestWithParam<CreateCase> {};

TEST_P(Create, writesTheBookletBesideTheDocumentAndSaysWhere) {
    const CreateCase& c = GetParam();
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 6)), Mode::FourUp, engineProgram);
    form.show();
    if (c.twoFiles)
        child<QRadioButton>(&form, "DueFile")->click();
    child<QPushButton>(&form, "Crea")->click();
    EXPECT_FALSE(child<QPushButton>(&form, "Crea")->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return child<QPushButton>(&form, "Apri")->isVisible(); }));
    std::set<std::string> expected{"doc.pdf"};
    QString result = "Opuscolo creato:";
    for (const std::string& name : c.written) {
        expected.insert(name);
        result += "\n" + qt(dir.path() / name);
        EXPECT_TRUE(fs::file_size(dir.path() / name) > 0) << name;
    }
    EXPECT_EQ(filesIn(dir.path()), expected);
    EXPECT_EQ(child<QLabel>(&form, "Risultato")->text(), result);
    EXPECT_TRUE(child<QPushButton>(&form, "ApriCartella")->isVisible());
    EXPECT_TRUE(child<QPushButton>(&form, "Crea")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(&form, "Apri")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Files, Create,
    ::testing::Values(CreateCase{"duplex", false, {"doc-opuscolo.pdf"}},
                      CreateCase{"twoFiles", true, {"doc-fronte.pdf", "doc-retro.pdf"}}),
    caseName<CreateCase>);

TEST(Run, showsTheEnginesProgressAndCancelsWithoutAFileLeft) {
    const TemporaryDirectory dir;
    // The preview runs the real engine; the booklet, one that reports and then takes its time.
    const fs::path document = numberedPdf(dir.path(), 8);
    const fs::path engine = fakeEngine(
        dir.path(), "case \"$*\" in *--avanzamento*) echo 'avanzamento 3 8'; exec sleep 60;; esac\n"
                    "exec '" PLICORA_ENGINE "' \"$@\"");
    BookletForm form(qt(document), Mode::FourUp, qt(engine));
    form.show();
    child<QPushButton>(&form, "Crea")->click();
    auto* bar = child<QProgressBar>(&form, "Avanzamento");
    ASSERT_TRUE(waitUntil([&] { return bar->isVisible() && bar->value() == 3; }));
    EXPECT_EQ(bar->maximum(), 8);
    EXPECT_TRUE(child<QPushButton>(&form, "Annulla")->hasFocus());
    child<QPushButton>(&form, "Annulla")->click();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(child<QLabel>(&form, "Risultato")->text(), "Annullato: nessun file scritto.");
    EXPECT_TRUE(child<QPushButton>(&form, "Crea")->isEnabled());
}

TEST(Run, cancelledRealRunLeavesNoFile) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 2000, 40)), Mode::FourUp, engineProgram);
    form.show();
    child<QRadioButton>(&form, "DueFile")->click();
    child<QPushButton>(&form, "Crea")->click();
    auto* bar = child<QProgressBar>(&form, "Avanzamento");
    ASSERT_TRUE(waitUntil([&] { return bar->maximum() > 0 && bar->value() > 0; }));
    child<QPushButton>(&form, "Annulla")->click();
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"doc.pdf"});
}

TEST(Run, cancelKeepsTheEarlierBookletWhateverTheEngineNamed) {
    const TemporaryDirectory dir;
    const fs::path document = numberedPdf(dir.path(), 8);
    for (const char* name : {"doc-opuscolo.pdf", "a", "b.pdf"})
        std::ofstream(dir.path() / name) << name;
    // Names the earlier booklet, then a name with a line break that ends at two other files.
    const fs::path engine =
        fakeEngine(dir.path(), "case \"$*\" in *--avanzamento*) echo 'avanzamento 3 8'\n"
                               "echo 'scritto " +
                                   (dir.path() / "doc-opuscolo.pdf").string() +
                                   "'; echo 'scritto a%0Ab.pdf'; exec sleep 60;; esac\n"
                                   "exec '" PLICORA_ENGINE "' \"$@\"");
    BookletForm form(qt(document), Mode::FourUp, qt(engine));
    form.show();
    child<QPushButton>(&form, "Crea")->click();
    auto* bar = child<QProgressBar>(&form, "Avanzamento");
    ASSERT_TRUE(waitUntil([&] { return bar->isVisible() && bar->value() == 3; }));
    child<QPushButton>(&form, "Annulla")->click();
    for (const char* name : {"doc-opuscolo.pdf", "a", "b.pdf"})
        EXPECT_EQ(readFile(dir.path() / name), name);
}

// The engine's booklet runs, one a line of its arguments: the real engine behind a stand-in that
// notes them. The printers' listing as the window opens is not one of them.
struct NotedEngine {
    explicit NotedEngine(const fs::path& folder)
        : log(folder / "runs.txt"),
          program(fakeEngine(folder, "echo \"$*\" >> '" + log.string() +
                                         "'\nexec '" PLICORA_ENGINE "' \"$@\"")) {}
    std::vector<std::string> runs() const {
        std::vector<std::string> lines;
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);)
            if (line != engine::listPrintersOption)
                lines.push_back(line);
        return lines;
    }
    fs::path log;
    fs::path program;
};

std::string joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args)
        text += (text.empty() ? "" : " ") + arg;
    return text;
}

// Options set in the window, and the job they give the engine.
struct OptionsCase {
    const char* name;
    std::function<void(BookletForm&)> set;
    BookletJob job; // without the document, which the test adds
};

class Options : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(Options, reachTheEngineAndThePreview) {
    const OptionsCase& c = GetParam();
    const TemporaryDirectory dir;
    const NotedEngine engine(dir.path());
    const fs::path document = numberedPdf(dir.path(), 12);
    BookletForm form(qt(document), Mode::FourUp, qt(engine.program));
    form.show();
    c.set(form);
    ASSERT_TRUE(waitUntil([&] { return previewShown(form); }));
    child<QPushButton>(&form, "Crea")->click();
    ASSERT_TRUE(waitUntil([&] { return child<QPushButton>(&form, "Apri")->isVisible(); }));

    BookletJob job = c.job;
    job.document = document.string();
    job.progress = true;
    job.bareMessages = true; // every run: the window shows the engine's messages as they are
    // The preview draws the document's own pages: the engine runs for the booklet only.
    EXPECT_EQ(engine.runs(), std::vector{joined(engine::arguments(job))});
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, Options,
    ::testing::Values(
        OptionsCase{"oneBooklet", [](BookletForm& form) { type(form, "FogliFascicolo", " "); }, {}},
        OptionsCase{"signatures",
                    [](BookletForm& form) { type(form, "FogliFascicolo", "2"); },
                    {.sheetsPerSignature = 2}},
        OptionsCase{"creepWithComma",
                    [](BookletForm& form) {
                        type(form, "FogliFascicolo", "3");
                        type(form, "Scorrimento", "0,25");
                    },
                    {.sheetsPerSignature = 3, .creep = 25}},
        OptionsCase{"creepNotEightUp",
                    [](BookletForm& form) {
                        type(form, "Scorrimento", "1.5");
                        child<QRadioButton>(&form, "Otto")->click();
                    },
                    {.mode = Mode::EightUp}},
        OptionsCase{"backsReversedAndTurned",
                    [](BookletForm& form) {
                        child<QRadioButton>(&form, "DueFile")->click();
                        child<QCheckBox>(&form, "RetriInversi")->click();
                        child<QCheckBox>(&form, "RetriCapovolti")->click();
                    },
                    {.separate = true, .reversedBacks = true, .turnedBacks = true}},
        OptionsCase{"paperAndBinding",
                    [](BookletForm& form) {
                        child<QComboBox>(&form, "Carta")->setCurrentText("A3");
                        child<QCheckBox>(&form, "DaDestra")->click();
                        child<QCheckBox>(&form, "QuartaDiCopertina")->click();
                    },
                    {.paper = {29700, 42000}, .binding = {true, true}}},
        OptionsCase{"customPaper",
                    [](BookletForm& form) {
                        child<QComboBox>(&form, "Carta")->setCurrentText("Su misura");
                        type(form, "CartaSuMisura", "320x450");
                    },
                    {.paper = {32000, 45000}}},
        OptionsCase{"backsOnlyWithTwoFiles",
                    [](BookletForm& form) {
                        child<QRadioButton>(&form, "DueFile")->click();
                        child<QCheckBox>(&form, "RetriCapovolti")->click();
                        child<QRadioButton>(&form, "UnFile")->click();
                    },
                    {}}),
    caseName<OptionsCase>);

TEST(Options, showOnlyWhereTheyApply) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 40)), Mode::FourUp, engineProgram);
    form.show();
    auto* backs = child<QGroupBox>(&form, "Retri");
    auto* creep = child<QLineEdit>(&form, "Scorrimento");
    EXPECT_FALSE(backs->isVisible());
    EXPECT_TRUE(creep->isEnabled());
    child<QRadioButton>(&form, "DueFile")->click();
    EXPECT_TRUE(backs->isVisible());
    child<QRadioButton>(&form, "Otto")->click();
    EXPECT_FALSE(creep->isEnabled()); // eight-up sheets are folded one by one
    child<QRadioButton>(&form, "Quattro")->click();
    type(form, "FogliFascicolo", "4");
    EXPECT_TRUE(child<QLabel>(&form, "Istruzioni")->text().contains("fascicoli di 4 fogli"));
}

// The rules of a job, as the window words them: a field the engine can't take has its message
// under the fields, the keyboard goes there on "Crea", and nothing runs.
TEST(JobRules, areTheJudgesInTheWindowsWords) {
    const TemporaryDirectory dir;
    const fs::path document = numberedPdf(dir.path(), 8);
    for (const JobRuleCase& c : jobRuleCases()) {
        if (!c.inWindow)
            continue;
        BookletForm form(qt(document), c.mode, engineProgram);
        form.show();
        type(form, "FogliFascicolo", c.signatures ? c.signatures : "");
        type(form, "Scorrimento", c.creep ? c.creep : "");
        if (c.separate)
            child<QRadioButton>(&form, "DueFile")->click();
        if (c.reversedBacks)
            child<QCheckBox>(&form, "RetriInversi")->click();
        auto* error = child<QLabel>(&form, "ErroreCampi");
        EXPECT_EQ(error->isVisible(), c.fault.has_value()) << c.name;
        if (!c.fault)
            continue;
        const bool signatures = c.fault == JobFault::SignaturesOutOfRange;
        EXPECT_EQ(error->text(), signatures ? "Fogli per fascicolo: un numero da 1 a 500, o vuoto"
                                            : "Scorrimento: da 0 a 5 mm, come 0,5")
            << c.name;
        child<QPushButton>(&form, "Crea")->click();
        EXPECT_EQ(form.focusWidget(), child(&form, signatures ? "FogliFascicolo" : "Scorrimento"))
            << c.name;
        EXPECT_TRUE(child<QPushButton>(&form, "Crea")->isEnabled()) << c.name; // no run started
    }
}

// The paper and binding choices: a custom size refused under its field, what the pages become,
// and where the blanks go.
TEST(SheetChoices, refuseACustomSizeAndSayWhatThePagesBecome) {
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 7)), Mode::FourUp, engineProgram);
    form.show();
    waitUntilRead(form);
    // Tab goes from the creep into the choices.
    QWidget* next = child(&form, "Scorrimento")->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
        next = next->nextInFocusChain();
    EXPECT_EQ(next, child(&form, "Carta"));
    auto* note = child<QLabel>(&form, "NotaPagine");
    EXPECT_EQ(note->text(), "Pagine A4 ridotte al 71 %"); // A4 pages in A5 cells
    child<QComboBox>(&form, "Carta")->setCurrentText("A3");
    EXPECT_FALSE(note->isVisible());             // A4 pages in A4 cells
    child<QRadioButton>(&form, "Otto")->click(); // a quarter of A3 across, an eighth down
    EXPECT_EQ(note->text(), "Pagine A4 ridotte al 50 %");

    child<QComboBox>(&form, "Carta")->setCurrentText("Su misura");
    type(form, "CartaSuMisura", "99x450");
    auto* error = child<QLabel>(&form, "ErroreCarta");
    EXPECT_TRUE(error->isVisible());
    EXPECT_EQ(error->text(), "Carta su misura: LARGHEZZAxALTEZZA in millimetri interi, da 100 a "
                             "1000 per lato, come 320x450");
    child<QPushButton>(&form, "Crea")->click();
    EXPECT_EQ(form.focusWidget(), child(&form, "CartaSuMisura"));
    EXPECT_TRUE(child<QPushButton>(&form, "Crea")->isEnabled()); // no run started
    type(form, "CartaSuMisura", "1000x1000");
    EXPECT_FALSE(error->isVisible());

    child<QCheckBox>(&form, "QuartaDiCopertina")->click();
    EXPECT_EQ(child<QLabel>(&form, "Bianche")->text(),
              "Si aggiunge 1 pagina bianca prima dell'ultima pagina, che resta la quarta di "
              "copertina");
}

// How the test sheet's back came out, and the options the window then sets.
struct AnswerCase {
    const char* button;
    bool reversed;
    bool turned;
};

class TestSheet : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(TestSheet, isWrittenBesideTheDocumentAndItsAnswerSetsTheBacks) {
    const AnswerCase& c = GetParam();
    const TemporaryDirectory dir;
    BookletForm form(qt(numberedPdf(dir.path(), 8)), Mode::FourUp, engineProgram);
    form.show();
    child<QRadioButton>(&form, "DueFile")->click();
    child<QCheckBox>(&form, "RetriInversi")->click();
    child<QCheckBox>(&form, "RetriCapovolti")->click();
    child<QRadioButton>(&form, "UnFile")->click();
    // No CUPS here: the print dialog offers the test sheet's files.
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", "/nessuno/cups.sock");
    child<QPushButton>(&form, "Prova")->click();
    qputenv("CUPS_SERVER", server);
    ASSERT_TRUE(waitUntil([] {
        const QWidget* dialog = visibleWindow("StampaOpuscolo");
        return dialog && dialog->findChild<QPushButton*>(QStringLiteral("ScriviFile"));
    }));
    child<QPushButton>(visibleWindow("StampaOpuscolo"), "ScriviFile")->click();
    ASSERT_TRUE(waitUntil([&] { return visibleWindow("RispostaProva") != nullptr; }));
    EXPECT_EQ(filesIn(dir.path()),
              (std::set<std::string>{"doc.pdf", "prova-fronte.pdf", "prova-retro.pdf"}));
    EXPECT_EQ(child<QLabel>(&form, "Risultato")->text(),
              "Foglio di prova creato:\n" + qt(dir.path() / "prova-fronte.pdf") + "\n" +
                  qt(dir.path() / "prova-retro.pdf"));
    child<QPushButton>(visibleWindow("RispostaProva"), c.button)->click();
    EXPECT_EQ(visibleWindow("RispostaProva"), nullptr);
    EXPECT_TRUE(child<QRadioButton>(&form, "DueFile")->isChecked());
    EXPECT_EQ(child<QCheckBox>(&form, "RetriInversi")->isChecked(), c.reversed);
    EXPECT_EQ(child<QCheckBox>(&form, "RetriCapovolti")->isChecked(), c.turned);
    deleteClosedWindows();
}

INSTANTIATE_TEST_SUITE_P(Answers, TestSheet,
                         ::testing::Values(AnswerCase{"Giusto", false, false},
                                           AnswerCase{"Capovolto", false, true},
                                           AnswerCase{"Inverso", true, false},
                                           AnswerCase{"InversoCapovolto", true, true}),
                         [](const auto& info) { return std::string(info.param.button); });

// A run that doesn't give a booklet: the user reads why, and the window goes on.
struct FailureCase {
    const char* name;
    const char* document; // content of doc.pdf; empty: a numbered PDF
    const char* engine;   // body of a stand-in engine; nullptr: the real one; "": none at all
    std::string message;
};

class Failure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Failure, isAnItalianMessageAndTheWindowGoesOn) {
    const FailureCase& c = GetParam();
    const TemporaryDirectory dir;
    fs::path document = dir.path() / "doc.pdf";
    if (*c.document)
        std::ofstream(document) << c.document;
    else
        numberedPdf(dir.path(), 4);
    const QString engine = !c.engine   ? engineProgram
                           : *c.engine ? qt(fakeEngine(dir.path(), c.engine))
                                       : qt(dir.path() / "manca");
    BookletForm form(qt(document), Mode::FourUp, engine);
    form.show();
    const MessageSeen seen = answerMessageBox([&] {
        auto* create = child<QPushButton>(&form, "Crea");
        create->click();
        waitUntil([&] { return create->isEnabled(); }); // the box is answered while it waits
    });
    EXPECT_EQ(seen.title, "Plicora");
    EXPECT_EQ(seen.text, QString::fromStdString(c.message));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(child<QPushButton>(&form, "Crea")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(&form, "Apri")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Failure,
    ::testing::Values(FailureCase{"damaged", "%PDF-1.4\n1 0 obj << /Type /Catalog\n%%EOF\n",
                                  nullptr, damagedPdfMessage},
                      FailureCase{"engineKilled", "", "kill -9 $$", engine::diedMessage},
                      FailureCase{"engineSilentFailure", "", "exit 1", engine::diedMessage},
                      FailureCase{"engineMissing", "", "", engine::missingMessage}),
    caseName<FailureCase>);

// A PDF dropped on a window, as a file manager drops it.
void drop(QWidget* target, const fs::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(qt(file))});
    data.setText(qt(file));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

struct DropCase {
    const char* name;
    std::function<QWidget*()> open;
    const char* target; // object name of the control dropped on; nullptr: the window
    const char* preset; // the layout chosen in the booklet window
};

class Drop : public ::testing::TestWithParam<DropCase> {};

TEST_P(Drop, opensTheBookletWindowWithTheWindowsLayout) {
    const DropCase& c = GetParam();
    const TemporaryDirectory dir;
    const std::unique_ptr<QWidget> window(c.open());
    window->show();
    QWidget* target = c.target ? child(window.get(), c.target) : window.get();
    if (auto* box = qobject_cast<QPlainTextEdit*>(target))
        target = box->viewport();
    std::ofstream(dir.path() / "note.txt") << "testo";
    drop(target, dir.path() / "note.txt");
    EXPECT_EQ(visibleWindow("BookletForm"), nullptr);

    drop(target, numberedPdf(dir.path(), 4));
    QWidget* booklet = visibleWindow("BookletForm");
    ASSERT_NE(booklet, nullptr);
    EXPECT_TRUE(child<QRadioButton>(booklet, c.preset)->isChecked());
    EXPECT_EQ(child<QLabel>(booklet, "Documento")->text(), "Documento: doc.pdf");
    if (auto* box = qobject_cast<QPlainTextEdit*>(target->parentWidget())) {
        EXPECT_FALSE(box->toPlainText().contains("doc.pdf")) << "taken as text, not as a booklet";
    }
    booklet->close();
    deleteClosedWindows();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Drop,
    ::testing::Values(
        DropCase{"form1", [] { return new Form1; }, nullptr, "Quattro"},
        DropCase{"form2OnOutput", [] { return new CalculatorForm(fourUpCalculator()); }, "Stampa",
                 "Quattro"},
        DropCase{"form3", [] { return new CalculatorForm(eightUpCalculator()); }, nullptr, "Otto"}),
    caseName<DropCase>);

} // namespace
