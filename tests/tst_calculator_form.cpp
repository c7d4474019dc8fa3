#include "test_support.h"
#include "window_test_support.h"

#include "core/user_error.h"
#include "files/file_writer.h"
#include "output/listing.h"
#include "ui/calculator/calculator_form.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace plicora;
using namespace plicora::testing;

namespace {

// The messages as the user reads them.
constexpr const char* overflowText = "Numero fuori dai limiti consentiti (da -32768 a 32767)";
constexpr const char* tooManyPagesText =
    "Il numero di pagine supera il massimo di 2000 (500 fogli) per la stampa a 4 pagine per foglio";

const char* const fourUpWarning =
    "Il numero di pagina non \u00e8 multiplo di 4.Bisogna aggiungere al documento alcuni fogli "
    "bianchi";
const char* const eightUpWarning =
    "Il numero di pagina non \u00e8 multiplo di 8.Bisogna aggiungere al documento alcuni fogli "
    "bianchi";

// A calculator window opened as Form1 opens it, with its controls found by name.
class Calculator {
public:
    explicit Calculator(const CalculatorVariant& variant)
        : form(std::make_unique<CalculatorForm>(variant)) {
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    template <typename T = QWidget> T* get(const char* name) const {
        return child<T>(form.get(), name);
    }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QString stampa() const { return get<QPlainTextEdit>("Stampa")->toPlainText(); }
    QLabel* errore() const { return get<QLabel>("Errore"); }

    MessageSeen press(const char* pageCount = nullptr) {
        if (pageCount)
            field("Text1")->setText(QString::fromUtf8(pageCount));
        return answerMessageBox([this] { get<QPushButton>("Command1")->click(); });
    }

    std::unique_ptr<CalculatorForm> form;
};

QString listing(Page pageCount) {
    return QString::fromStdString(
        renderListing(sheetSides(Mode::FourUp, pageCount, 0, pageCount), ","));
}

// --- Initial state, captions, geometry, fonts and colours --------------------------------------

struct Expected {
    const CalculatorVariant& (*variant)();
    const char* label1;
    const char* firstPageLabel;
    const char* firstPageCaption;
    const char* command1;
    int stampaPixels;
    int descriptionLines;
    std::vector<const char*> focusOrder;
};

class EachCalculator : public ::testing::TestWithParam<Expected> {};

TEST_P(EachCalculator, opensInItsInitialState) {
    const Expected& e = GetParam();
    Calculator c(e.variant());
    EXPECT_EQ(c.form->windowTitle(), "Plicora");
    EXPECT_EQ(c.field("Text1")->text(), "40");
    EXPECT_EQ(c.field("Text2")->text(), "1");
    EXPECT_EQ(c.field("Separatore")->text(), ",");
    EXPECT_EQ(c.field("Separatore")->maxLength(), 255);
    EXPECT_FALSE(c.get<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(c.get<QCheckBox>("Check1")->text(), "Invia su file la sequenza delle pagine");
    EXPECT_FALSE(c.field("OutOnFile")->isVisible());
    EXPECT_EQ(c.field("OutOnFile")->text(), "c:\\temp.txt");
    EXPECT_FALSE(c.errore()->isVisible());
    EXPECT_EQ(c.errore()->text(), "");
    EXPECT_EQ(c.stampa(), "");
    EXPECT_EQ(c.get<QLabel>("Label3")->text(), "Separatore di sequenza");
    EXPECT_EQ(c.get<QLabel>("Label1")->text(), QString::fromUtf8(e.label1));
    EXPECT_EQ(c.field("Text1")->accessibleName(),
              QString::fromUtf8(e.label1)); // for screen readers
    EXPECT_EQ(c.get<QLabel>(e.firstPageLabel)->text(), QString::fromUtf8(e.firstPageCaption));
    EXPECT_EQ(c.get<QPushButton>("Command1")->text(), QString::fromUtf8(e.command1));
    // The description shows its lines, with no CR left over and the final line end kept.
    const QString description = c.get<QPlainTextEdit>("Text3")->toPlainText();
    EXPECT_FALSE(description.contains('\r'));
    EXPECT_EQ(description.count('\n'), e.descriptionLines);
    EXPECT_TRUE(description.endsWith('\n'));
    EXPECT_TRUE(c.get<QPlainTextEdit>("Text3")->isReadOnly());
}

// Tab moves through the controls in the window's own order, from the control focused at opening.
TEST_P(EachCalculator, followsItsFocusOrder) {
    Calculator c(GetParam().variant());
    c.get<QCheckBox>("Check1")->click(); // so that OutOnFile takes part
    c.form->findChild<QWidget*>(QString::fromLatin1(GetParam().focusOrder.front()))->setFocus();
    std::vector<std::string> order;
    for (std::size_t i = 0; i < GetParam().focusOrder.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        order.push_back(focused->objectName().toStdString());
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focused, &tab);
    }
    EXPECT_EQ(order,
              std::vector<std::string>(GetParam().focusOrder.begin(), GetParam().focusOrder.end()));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), GetParam().focusOrder.front());
}

TEST_P(EachCalculator, keepsTheOutputBoxFixedPitch) {
    Calculator c(GetParam().variant());
    const QFont font = c.get("Stampa")->font();
    const QFontMetrics metrics(font);
    for (const QChar glyph : QStringLiteral("W.m1( "))
        EXPECT_EQ(metrics.horizontalAdvance(glyph), metrics.horizontalAdvance('i'))
            << int(glyph.unicode());
    // The layout's pixel sizes, given in points as screen readers report them.
    EXPECT_EQ(QFontInfo(font).pixelSize(), GetParam().stampaPixels);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), GetParam().stampaPixels * 0.75);
    EXPECT_EQ(QFontInfo(c.field("Separatore")->font()).pixelSize(), 32);
    EXPECT_DOUBLE_EQ(c.field("Separatore")->font().pointSizeF(), 24);
    EXPECT_EQ(QFontInfo(c.field("Text1")->font()).pixelSize(), 16);
}

TEST_P(EachCalculator, paintsTheWarningRedOnYellowAndTheDescriptionInTheDialogColour) {
    Calculator c(GetParam().variant());
    EXPECT_EQ(c.errore()->palette().color(QPalette::Window), QColor(170, 0, 0));
    EXPECT_EQ(c.errore()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(c.errore()->autoFillBackground());
    EXPECT_TRUE(c.errore()->wordWrap());
    const QWidget* description = c.get("Text3");
    EXPECT_EQ(description->palette().color(QPalette::Base),
              description->palette().color(QPalette::Button));
}

INSTANTIATE_TEST_SUITE_P(Windows, EachCalculator,
                         ::testing::Values(Expected{fourUpCalculator,
                                                    "Numero totale di pagine",
                                                    "Label4",
                                                    "Numero inizio prima pagina",
                                                    "Calcola la sequenza delle pagine",
                                                    16,
                                                    3,
                                                    {"Text3", "Text2", "Stampa", "Command1",
                                                     "Text1", "OutOnFile", "Check1", "Separatore"}},
                                           Expected{eightUpCalculator,
                                                    "Numero di pagine totale",
                                                    "Label2",
                                                    "Numero inzio prima pagina",
                                                    "Calcola la successione delle pagine",
                                                    13,
                                                    4,
                                                    {"Text1", "Text2", "Command1", "Stampa",
                                                     "Text3", "Check1", "OutOnFile",
                                                     "Separatore"}}));

// Controls stand where the twip layouts put them, 15 twips to a pixel.
TEST(Geometry, placesControlsByTheirTwips) {
    Calculator fourUp(fourUpCalculator());
    EXPECT_EQ(fourUp.get("Text3")->geometry(), QRect(32, 24, 617, 65));
    Calculator eightUp(eightUpCalculator());
    EXPECT_EQ(eightUp.get("Stampa")->geometry(), QRect(336, 120, 457, 313));
    EXPECT_EQ(eightUp.get("Text1")->geometry(), QRect(248, 120, 73, 28));
}

TEST(Geometry, sizesEachWindowAndCentresOnlyTheFourUpOne) {
    Calculator fourUp(fourUpCalculator());
    EXPECT_EQ(fourUp.form->size(), QSize(9885 / 15, 7005 / 15));
    const QRect screen = fourUp.form->screen()->availableGeometry();
    EXPECT_LE((fourUp.form->geometry().center() - screen.center()).manhattanLength(),
              30); // frames differ by platform
    Calculator eightUp(eightUpCalculator());
    EXPECT_EQ(eightUp.form->size(), QSize(12465 / 15, 7065 / 15));
}

// --- A press of Command1 -------------------------------------------------------------------------

TEST(Press, roundsUpTheCountAndWarnsUntilNoRoundingIsNeeded) {
    for (const auto& [variant, rounded, warning] :
         {std::tuple{&fourUpCalculator, "44", fourUpWarning},
          std::tuple{&eightUpCalculator, "48", eightUpWarning}}) {
        Calculator c(variant());
        c.press("41");
        EXPECT_EQ(c.field("Text1")->text(), rounded);
        EXPECT_TRUE(c.errore()->isVisible());
        EXPECT_EQ(c.errore()->text(), QString::fromUtf8(warning));
        c.press();
        EXPECT_FALSE(c.errore()->isVisible());
        EXPECT_EQ(c.errore()->text(), QString::fromUtf8(warning)); // hidden, caption kept
    }
}

TEST(Press, replacesTheFourUpListingAndAppendsTheEightUpOne) {
    Calculator fourUp(fourUpCalculator());
    fourUp.get<QPlainTextEdit>("Stampa")->setPlainText(QStringLiteral("typed by the user"));
    fourUp.press();
    fourUp.press();
    EXPECT_EQ(fourUp.stampa(), listing(40));
    EXPECT_EQ(fourUp.field("Text1")->text(), "40");

    Calculator eightUp(eightUpCalculator());
    eightUp.get<QPlainTextEdit>("Stampa")->setPlainText(QStringLiteral("typed"));
    eightUp.press("16");
    eightUp.press();
    const QString sheets = QStringLiteral("Foglio N. 1) F: 15, 16, 1, 2\n"
                                          "             R: 3, 4, 13, 14\n"
                                          "Foglio N. 2) F: 11, 12, 5, 6\n"
                                          "             R: 7, 8, 9, 10\n");
    EXPECT_EQ(eightUp.stampa(), "typed" + sheets + sheets); // the first label continues the line
}

TEST(Press, showsOutOnFileExactlyWhileCheck1IsTicked) {
    Calculator c(fourUpCalculator());
    auto* check = c.get<QCheckBox>("Check1");
    check->click();
    EXPECT_TRUE(c.field("OutOnFile")->isVisible());
    c.field("OutOnFile")->setText(QStringLiteral("/tmp/other.txt"));
    check->click();
    EXPECT_FALSE(c.field("OutOnFile")->isVisible());
    check->click();
    EXPECT_EQ(c.field("OutOnFile")->text(), "/tmp/other.txt");
}

TEST(Press, writesTheFileOnlyWhileCheck1IsTicked) {
    const TemporaryDirectory dir;
    const auto path = dir.path() / "instructions.txt";
    Calculator c(eightUpCalculator());
    c.field("OutOnFile")->setText(QString::fromStdString(path.string()));
    EXPECT_FALSE(c.press().shown);
    EXPECT_FALSE(std::filesystem::exists(path));
    c.get<QCheckBox>("Check1")->click();
    EXPECT_FALSE(c.press().shown);
    EXPECT_TRUE(readFile(path).starts_with("Per stampare IL FORMATO A5, devi impostare:\r\n"));
}

TEST(Press, reportsAFileThatCannotBeOpenedAfterShowingTheListing) {
    Calculator c(fourUpCalculator());
    c.get<QCheckBox>("Check1")->click();
    c.field("OutOnFile")->setText(QStringLiteral("/nonexistent-folder/temp.txt"));
    const MessageSeen box = c.press();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.title, "Plicora");
    EXPECT_EQ(box.text, "Impossibile aprire il file specificato");
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(c.stampa(), listing(40));
}

// A calculation that stops leaves the window exactly as far as it got.
struct Stop {
    const char* name;
    const char* pageCount;
    const char* firstPage;
    const char* message;
    const char* text1After;
    bool warning;
    bool stampaEmptied;
};

class StoppedPress : public ::testing::TestWithParam<Stop> {};

TEST_P(StoppedPress, leavesTheWindowAsFarAsItGot) {
    const Stop& s = GetParam();
    Calculator c(fourUpCalculator());
    c.press(); // an earlier listing
    c.field("Text2")->setText(QString::fromUtf8(s.firstPage));
    const MessageSeen box = c.press(s.pageCount);
    EXPECT_EQ(box.text, QString::fromUtf8(s.message));
    EXPECT_EQ(c.field("Text1")->text(), s.text1After);
    EXPECT_EQ(c.errore()->isVisible(), s.warning);
    EXPECT_EQ(c.stampa(), s.stampaEmptied ? QString() : listing(40));
    c.field("Text2")->setText(QStringLiteral("1"));
    EXPECT_FALSE(c.press("40").shown); // and the next good press works
    EXPECT_EQ(c.stampa(), listing(40));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, StoppedPress,
    ::testing::Values(Stop{"countUnreadable", "99999", "1", overflowText, "99999", false, false},
                      Stop{"roundingOverflows", "32766", "1", overflowText, "32766", false, true},
                      Stop{"tooManySheets", "2001", "1", tooManyPagesText, "2004", true, true},
                      Stop{"pageOverflows", "41", "32767", overflowText, "44", true, true}),
    caseName<Stop>);

// --- Each line of a listing is a line of the output box ------------------------------------------

struct BoxLines {
    std::string name;
    const CalculatorVariant& (*variant)();
    const char* pageCount;
    int presses;
    int firstLine, lastLine; // the lines taken, from 0; -1 for the end
};

class LinesOfTheBox : public ::testing::TestWithParam<BoxLines> {
protected:
    // Presses as the row says and returns what the box should then hold.
    QString pressAll(Calculator& c) const {
        const BoxLines& p = GetParam();
        c.field("Text1")->setText(QString::fromUtf8(p.pageCount));
        const Page pageCount(std::stoi(p.pageCount));
        QString shown;
        for (int i = 0; i < p.presses; ++i) {
            c.press();
            shown += QString::fromStdString(
                renderListing(sheetSides(p.variant().mode, pageCount, 0, pageCount), ","));
        }
        return shown;
    }
    // Where a line of `text` starts.
    static int lineStart(const QString& text, int line) {
        int at = 0;
        for (int i = 0; i < line; ++i)
            at = int(text.indexOf('\n', at)) + 1;
        return at;
    }
};

// What is copied is the listing line for line, across the presses too, and typing and undoing
// still work.
TEST_P(LinesOfTheBox, copyExactly) {
    const BoxLines& p = GetParam();
    Calculator c(p.variant());
    const QString shown = pressAll(c);
    auto* box = c.get<QPlainTextEdit>("Stampa");
    EXPECT_FALSE(box->document()->isUndoAvailable());

    const int lines = int(shown.count('\n')) + 1;
    const int last = p.lastLine < 0 ? lines - 1 : p.lastLine;
    const int from = lineStart(shown, p.firstLine);
    const QString selected = shown.mid(from, lineStart(shown, last + 1) - 1 - from);
    QTextCursor cursor(box->document());
    cursor.setPosition(from);
    cursor.setPosition(from + int(selected.size()), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), selected);

    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QStringLiteral("nota"));
    EXPECT_EQ(c.stampa(), shown + "nota");
    box->undo();
    EXPECT_EQ(c.stampa(), shown);
}

// A triple click, the usual way to take one line, takes the first line of the row, however
// many rows of the box it wraps over, and its line end.
TEST_P(LinesOfTheBox, tripleClickSelectsOneLine) {
    const BoxLines& p = GetParam();
    Calculator c(p.variant());
    const QString shown = pressAll(c);
    auto* box = c.get<QPlainTextEdit>("Stampa");
    QTextCursor cursor(box->document());
    const int from = lineStart(shown, p.firstLine);
    cursor.setPosition(from + 1);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    const QPoint point = box->cursorRect().center();
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
          QEvent::MouseButtonRelease, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, box->viewport()->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &event);
    }
    box->copy();
    EXPECT_EQ(QApplication::clipboard()->text(),
              shown.mid(from, lineStart(shown, p.firstLine + 1) - from));
}

// Moving by paragraph, Ctrl+Down and Ctrl+Up, moves by one line, from within a line too.
TEST_P(LinesOfTheBox, paragraphMovesAreOneLine) {
    const BoxLines& p = GetParam();
    Calculator c(p.variant());
    const QString shown = pressAll(c);
    auto* box = c.get<QPlainTextEdit>("Stampa");
    QTextCursor cursor(box->document());
    cursor.setPosition(lineStart(shown, p.firstLine) + 1);
    box->setTextCursor(cursor);
    for (const auto& [key, line] :
         {std::pair{Qt::Key_Down, p.firstLine + 1}, std::pair{Qt::Key_Down, p.firstLine + 2},
          std::pair{Qt::Key_Up, p.firstLine + 1}}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier);
        QApplication::sendEvent(box, &event);
        EXPECT_EQ(box->textCursor().position(), lineStart(shown, line));
    }
}

// A screen reader reads the listing with a line feed at each line end, and a paragraph as a line.
TEST_P(LinesOfTheBox, readAsTheListingByScreenReaders) {
    const BoxLines& p = GetParam();
    Calculator c(p.variant());
    const QString shown = pressAll(c);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(c.get("Stampa"))->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), shown.size());
    EXPECT_EQ(text->text(0, text->characterCount()), shown);
    const int from = lineStart(shown, p.firstLine);
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(from + 1, QAccessible::ParagraphBoundary, &start, &end),
              shown.mid(from, lineStart(shown, p.firstLine + 1) - 1 - from));
}

INSTANTIATE_TEST_SUITE_P(
    Listings, LinesOfTheBox,
    ::testing::Values(BoxLines{"fourUpAll", &fourUpCalculator, "2000", 1, 0, -1},
                      BoxLines{"fourUpFrontSequence", &fourUpCalculator, "200", 1, 3, 40},
                      BoxLines{"eightUpTwoPressesAll", &eightUpCalculator, "800", 2, 0, -1},
                      BoxLines{"eightUpOneSheet", &eightUpCalculator, "800", 1, 2, 3},
                      BoxLines{"eightUpAcrossPresses", &eightUpCalculator, "800", 2, 190, 215}),
    caseName<BoxLines>);

} // namespace
