// The print dialog and the booklet window's print button, with the real engine printing on a
// CUPS world of the test's own.
#include "cups_world.h"
#include "test_support.h"
#include "window_test_support.h"

#include "tools/numbered_pdf/numbered_pdf.h"
#include "ui/booklet/booklet_form.h"
#include "ui/printing/manual_duplex_dialog.h"
#include "ui/printing/print_dialog.h"
#include "ui/shared/ui_messages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

const QString engineProgram = QStringLiteral(PLICORA_ENGINE);

const auto* const environment = ::testing::AddGlobalTestEnvironment(new CupsWorldEnvironment);

CupsWorld& world() {
    return CupsWorldEnvironment::world();
}

// Whether printer `name` receives `count` jobs in all, the window's events going on meanwhile.
bool receives(const char* name, std::size_t count) {
    return waitUntil([&] { return world().jobs(name).size() >= count; }, 20000) &&
           world().jobs(name).size() == count;
}

// Whether printer `name` still has `count` jobs after a while of the window's events.
bool stillHas(const char* name, std::size_t count) {
    waitUntil([] { return false; }, 300);
    return world().jobs(name).size() == count;
}

class PrintDialogTest : public ::testing::Test {
protected:
    PrintDialogTest() {
        writeNumberedPdf(document_, std::vector<NumberedPage>(8));
        dialog_.show();
    }
    ~PrintDialogTest() override {
        dialog_.close();
        deleteClosedWindows();
        world().settle();
    }

    QComboBox* printers() { return child<QComboBox>(&dialog_, "Stampanti"); }
    QString fate() { return child<QLabel>(&dialog_, "Esito")->text(); }
    QString plan() { return child<QLabel>(&dialog_, "Piano")->text(); }
    // Where printer `name` is in the list; the machine may announce printers of its own.
    int indexOf(const char* name) {
        for (int i = 0; i < printers()->count(); ++i)
            if (printers()->itemText(i) == name ||
                printers()->itemText(i).startsWith(QString::fromUtf8(name) + " ("))
                return i;
        return -1;
    }
    bool listed() {
        return waitUntil(
            [&] { return indexOf(duplexPrinter) >= 0 && indexOf(oneSidedPrinter) >= 0; });
    }
    // Chooses the printer `name`, waits until it can print, and presses "Stampa".
    void print(const char* name) {
        ASSERT_TRUE(listed());
        printers()->setCurrentIndex(indexOf(name));
        ASSERT_TRUE(waitUntil([&] { return child<QPushButton>(&dialog_, "Stampa")->isEnabled(); }));
        child<QPushButton>(&dialog_, "Stampa")->click();
    }

    const TemporaryDirectory folder_;
    const std::string document_ = (folder_.path() / "tesi.pdf").string();
    PrintDialog dialog_{{.document = document_}, engineProgram, nullptr};
};

TEST_F(PrintDialogTest, listsThePrintersWithTheDefaultChosenAndSaysWhatItWillDo) {
    ASSERT_TRUE(listed());
    EXPECT_EQ(printers()->currentText(), "Fronteretro (predefinita)");
    // On the printer's paper, named, since the booklet's (A4) is one it has too.
    const std::pair<const char*, const char*> plans[] = {{oneSidedPrinter, byHandPlanText},
                                                         {duplexPrinter, shortEdgePlanText}};
    for (const auto& [name, text] : plans) {
        printers()->setCurrentIndex(indexOf(name));
        // The printer's margins on A4 shrink the pages, and the plan says by how much.
        EXPECT_TRUE(waitUntil([&] {
            return plan().startsWith(QString::fromUtf8(text).arg("A4")) &&
                   plan().contains(QRegularExpression(
                       " Le pagine saranno ridotte al 9[0-9] % per stare nei margini"));
        })) << plan().toStdString();
    }
    EXPECT_TRUE(child<QPushButton>(&dialog_, "Stampa")->isEnabled());
}

// A paper the printer lacks is said before "Stampa", and the printer's own is offered.
TEST(PrintDialogPaper, offersThePrintersPapersInsteadOfOneItLacks) {
    PrintDialog dialog({.document = "tesi.pdf", .paper = *readPaper("A3")}, engineProgram, nullptr);
    dialog.show();
    auto* papers = child<QComboBox>(&dialog, "Carta");
    ASSERT_TRUE(waitUntil([&] { return papers->count() > 0; }));
    EXPECT_EQ(papers->findText("A3"), -1);
    EXPECT_GE(papers->findText("A4"), 0);
    EXPECT_EQ(papers->currentText(), "letter"); // the printer's default paper
    EXPECT_EQ(child<QLabel>(&dialog, "Esito")->text(),
              QString::fromUtf8(paperReplacedText).arg("A3", "letter"));
    EXPECT_TRUE(child<QLabel>(&dialog, "Piano")->text().contains("su carta letter"));
}

// Every Alt letter of the dialog is its own.
TEST(PrintDialogKeys, everyMnemonicIsUnique) {
    PrintDialog dialog({.document = "tesi.pdf"}, engineProgram, nullptr);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    QList<QChar> letters;
    for (const QString& text : texts)
        if (const qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size()) {
            const QChar letter = text[at + 1].toLower();
            EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
            letters << letter;
        }
    EXPECT_GE(letters.size(), 5);
}

TEST_F(PrintDialogTest, printsOnADuplexPrinterAndFollowsTheJob) {
    const std::size_t before = world().jobs(duplexPrinter).size();
    child<QSpinBox>(&dialog_, "Copie")->setValue(3);
    print(duplexPrinter);
    // The job's state as CUPS tells it, printing or printed.
    EXPECT_TRUE(waitUntil([&] {
        return fate().startsWith("Lavoro Fronteretro-") &&
               (fate().contains(": in stampa") || fate().endsWith(": stampato"));
    })) << fate().toStdString();
    ASSERT_TRUE(receives(duplexPrinter, before + 1));
    const std::vector<ReceivedJob> jobs = world().jobs(duplexPrinter);
    EXPECT_EQ(jobs.back().attributes.at("sides"), "two-sided-short-edge");
    EXPECT_EQ(jobs.back().attributes.at("copies"), "3");
    EXPECT_TRUE(waitUntil([&] { return child<QPushButton>(&dialog_, "Stampa")->isEnabled(); }));
}

struct ByHandCase {
    const char* name;
    const char* button;
    std::size_t jobs;
};

class PrintingByHand : public PrintDialogTest, public ::testing::WithParamInterface<ByHandCase> {};

TEST_P(PrintingByHand, showsHowToPutTheStackBackAndSendsTheBacksOnlyOnContinue) {
    const std::size_t before = world().jobs(oneSidedPrinter).size();
    print(oneSidedPrinter);
    ASSERT_TRUE(waitUntil([] { return visibleWindow("RimettiPila") != nullptr; }));
    QWidget* putBack = visibleWindow("RimettiPila");
    EXPECT_FALSE(child<QLabel>(putBack, "Disegno")->pixmap().isNull());
    EXPECT_TRUE(receives(oneSidedPrinter, before + 1));
    EXPECT_TRUE(stillHas(oneSidedPrinter, before + 1)); // the backs wait for the user
    child<QPushButton>(putBack, GetParam().button)->click();
    const std::size_t expected = before + GetParam().jobs;
    EXPECT_TRUE(receives(oneSidedPrinter, expected));
    EXPECT_TRUE(waitUntil([&] { return child<QPushButton>(&dialog_, "Stampa")->isEnabled(); }));
    EXPECT_TRUE(stillHas(oneSidedPrinter, expected));
}

INSTANTIATE_TEST_SUITE_P(Answers, PrintingByHand,
                         ::testing::Values(ByHandCase{"continued", "Continua", 2},
                                           ByHandCase{"cancelled", "Annulla", 1}),
                         caseName<ByHandCase>);

TEST_F(PrintDialogTest, saysWhyAStoppedPrinterPrintsNothing) {
    world().administer("cupsdisable -r 'carta inceppata' Fronteretro");
    print(duplexPrinter);
    const bool said = waitUntil([&] { return fate().contains("ferma"); });
    world().administer("cupsenable Fronteretro");
    EXPECT_TRUE(said) << fate().toStdString();
    EXPECT_EQ(fate(), "La stampante \u00abFronteretro\u00bb \u00e8 ferma (carta inceppata)");
}

// The test sheet's answer shows beside how to put the stack back, when it asked for anything.
TEST(ManualDuplexDialogTest, showsTheTestSheetsAnswerWhenThereIsOne) {
    const std::tuple<bool, bool, bool> rows[] = {
        {false, false, false}, {true, false, true}, {false, true, true}, {true, true, true}};
    for (const auto& [reversed, turned, shown] : rows) {
        const ManualDuplexDialog dialog(reversed, turned, nullptr);
        const auto* answer = dialog.findChild<QLabel*>(QStringLiteral("RispostaProva"));
        EXPECT_EQ(answer != nullptr, shown) << reversed << turned;
        // The test sheet is named only when its answer is there.
        EXPECT_EQ(child<QLabel>(&dialog, "Spiegazione")->text().contains("fogli di prova"), shown)
            << reversed << turned;
        EXPECT_FALSE(child<QLabel>(&dialog, "Disegno")->pixmap().isNull());
    }
}

TEST(PrintDialogWithoutCups, saysSoAndOffersNothingToPrint) {
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", "/nessuno/cups.sock");
    PrintDialog dialog({.document = "tesi.pdf"}, engineProgram, nullptr);
    qputenv("CUPS_SERVER", server);
    dialog.show();
    EXPECT_TRUE(waitUntil([&] {
        return child<QLabel>(&dialog, "Esito")->text() ==
               "Nessun servizio di stampa raggiungibile: CUPS non risponde (/nessuno/cups.sock)";
    })) << child<QLabel>(&dialog, "Esito")->text().toStdString();
    EXPECT_EQ(child<QComboBox>(&dialog, "Stampanti")->count(), 0);
    EXPECT_FALSE(child<QPushButton>(&dialog, "Stampa")->isEnabled());
}

// A printer the network announces but nobody can reach is said so once chosen, without holding
// up the others.
TEST_F(PrintDialogTest, saysAnUnreachablePrinterIsSoOnceChosen) {
    world().advertiseUnreachable("Irraggiungibile");
    PrintDialog dialog({.document = document_}, engineProgram, nullptr);
    dialog.show();
    auto* list = child<QComboBox>(&dialog, "Stampanti");
    ASSERT_TRUE(waitUntil([&] { return list->findText("Irraggiungibile") >= 0; }));
    list->setCurrentIndex(list->findText("Irraggiungibile"));
    const auto said = [&] {
        return child<QLabel>(&dialog, "Esito")->text().contains("non risponde");
    };
    EXPECT_TRUE(waitUntil(said, 20000)) << child<QLabel>(&dialog, "Esito")->text().toStdString();
    EXPECT_FALSE(child<QPushButton>(&dialog, "Stampa")->isEnabled());
    list->setCurrentIndex(list->findText("Fronteretro (predefinita)"));
    EXPECT_TRUE(child<QPushButton>(&dialog, "Stampa")->isEnabled());
}

// The test sheet prints one side at a time on a printer without duplex; a duplex printer needs
// none. Either way the plan says so before "Stampa".
TEST_F(PrintDialogTest, printsTheTestSheetByHandOnlyWhereATestCanTellSomething) {
    PrintDialog dialog({.testSheet = true}, engineProgram, nullptr);
    bool printed = false;
    QObject::connect(&dialog, &PrintDialog::printed, &dialog, [&] { printed = true; });
    dialog.show();
    auto* list = child<QComboBox>(&dialog, "Stampanti");
    auto* print = child<QPushButton>(&dialog, "Stampa");
    const auto planOf = [&] { return child<QLabel>(&dialog, "Piano")->text(); };
    ASSERT_TRUE(waitUntil([&] { return list->count() >= 2; }));
    list->setCurrentIndex(list->findText("Fronteretro (predefinita)"));
    EXPECT_EQ(planOf(), QString::fromUtf8(testSheetNotNeededText));
    EXPECT_FALSE(print->isEnabled());
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("ScriviFile")), nullptr);
    list->setCurrentIndex(list->findText(oneSidedPrinter));
    EXPECT_TRUE(planOf().startsWith(QString::fromUtf8(testSheetPlanText).arg("A4")));
    const std::size_t before = world().jobs(oneSidedPrinter).size();
    ASSERT_TRUE(print->isEnabled());
    print->click();
    ASSERT_TRUE(waitUntil([] { return visibleWindow("RimettiPila") != nullptr; }));
    QWidget* putBack = visibleWindow("RimettiPila");
    // No answer yet: the guidance is the backs' own, without the test it is finding out.
    EXPECT_EQ(child<QLabel>(putBack, "Spiegazione")->text(), QString::fromUtf8(putBackText));
    EXPECT_FALSE(printed);
    child<QPushButton>(putBack, "Continua")->click();
    EXPECT_TRUE(receives(oneSidedPrinter, before + 2));
    EXPECT_TRUE(waitUntil([&] { return printed; }));
    dialog.close();
}

// Without CUPS the test sheet is offered as files; a booklet is not (it has "Crea l'opuscolo").
TEST(PrintDialogWithoutCups, offersTheTestSheetsFilesOnly) {
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", "/nessuno/cups.sock");
    PrintDialog test({.testSheet = true}, engineProgram, nullptr);
    PrintDialog booklet({.document = "tesi.pdf"}, engineProgram, nullptr);
    qputenv("CUPS_SERVER", server);
    bool asked = false;
    QObject::connect(&test, &PrintDialog::filesAsked, &test, [&] { asked = true; });
    test.show();
    booklet.show();
    const auto files = [&] { return test.findChild<QPushButton*>(QStringLiteral("ScriviFile")); };
    ASSERT_TRUE(waitUntil([&] { return files() && files()->isVisible(); }));
    EXPECT_TRUE(
        waitUntil([&] { return !child<QLabel>(&booklet, "Esito")->text().endsWith("\u2026"); }));
    EXPECT_EQ(booklet.findChild<QPushButton*>(QStringLiteral("ScriviFile")), nullptr);
    files()->click();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(test.isVisible());
}

// The window starts on the default printer's paper: Letter, ippeveprinter's own.
TEST(BookletFormPrinting, startsOnTheDefaultPrintersPaper) {
    const TemporaryDirectory folder;
    const fs::path document = folder.path() / "doc.pdf";
    writeNumberedPdf(document, std::vector<NumberedPage>(8));
    BookletForm form(QString::fromStdString(document.string()), Mode::FourUp, engineProgram);
    EXPECT_TRUE(
        waitUntil([&] { return child<QComboBox>(&form, "Carta")->currentText() == "Letter"; }));
}

// A job another program printed to the booklet printer: its choices in the window, its printer
// and copies in the print dialog, by hand on a one-sided printer, and the window told it printed.
TEST(BookletFormPrinting, printsAJobWithItsChoicesOnItsPrinter) {
    const TemporaryDirectory folder;
    const fs::path document = folder.path() / "doc.pdf";
    writeNumberedPdf(document, std::vector<NumberedPage>(8));
    BookletForm form(QString::fromStdString(document.string()), Mode::FourUp, engineProgram);
    bool printed = false;
    QObject::connect(&form, &BookletForm::printed, &form, [&] { printed = true; });
    form.printAs({.document = document.string(),
                  .sheetsPerSignature = 1,
                  .creep = 50,
                  .paper = *readPaper("A4"),
                  .binding = {.rightToLeft = true},
                  .printer = oneSidedPrinter,
                  .copies = 2});
    form.show();
    EXPECT_EQ(child<QLineEdit>(&form, "FogliFascicolo")->text(), "1");
    EXPECT_EQ(child<QLineEdit>(&form, "Scorrimento")->text(), "0.50");
    EXPECT_TRUE(child<QCheckBox>(&form, "DaDestra")->isChecked());
    const std::size_t before = world().jobs(oneSidedPrinter).size();
    child<QPushButton>(&form, "Stampa")->click();
    auto* dialog = form.findChild<PrintDialog*>();
    ASSERT_TRUE(waitUntil([&] { return child<QPushButton>(dialog, "Stampa")->isEnabled(); }));
    // The default printer's Letter, listed meanwhile, does not replace the job's A4.
    EXPECT_EQ(child<QComboBox>(&form, "Carta")->currentText(), "A4");
    EXPECT_EQ(child<QComboBox>(dialog, "Stampanti")->currentText(), oneSidedPrinter);
    EXPECT_EQ(child<QSpinBox>(dialog, "Copie")->value(), 2);
    child<QPushButton>(dialog, "Stampa")->click();
    ASSERT_TRUE(waitUntil([] { return visibleWindow("RimettiPila") != nullptr; }, 20000));
    child<QPushButton>(visibleWindow("RimettiPila"), "Continua")->click();
    EXPECT_TRUE(receives(oneSidedPrinter, before + 2));
    EXPECT_TRUE(waitUntil([&] { return printed; }));
    EXPECT_EQ(world().jobs(oneSidedPrinter).back().attributes.at("copies"), "2");
    deleteClosedWindows();
}

TEST(BookletFormPrinting, opensThePrintDialogAndDrawsTheEdgeChosen) {
    const TemporaryDirectory folder;
    const fs::path document = folder.path() / "doc.pdf";
    writeNumberedPdf(document, std::vector<NumberedPage>(8));
    BookletForm form(QString::fromStdString(document.string()), Mode::FourUp, engineProgram);
    form.show();
    child<QComboBox>(&form, "Bordo")->setCurrentIndex(1);
    EXPECT_TRUE(
        child<QLabel>(&form, "Istruzioni")->text().startsWith(QString::fromUtf8(longEdgeTurnText)));
    child<QPushButton>(&form, "Stampa")->click();
    EXPECT_NE(form.findChild<PrintDialog*>(QStringLiteral("StampaOpuscolo")), nullptr);
    EXPECT_TRUE(waitUntil([&] {
        return child<QComboBox>(form.findChild<PrintDialog*>(), "Stampanti")->count() >= 2;
    }));
}

} // namespace
