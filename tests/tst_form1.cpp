#include "test_support.h"
#include "window_test_support.h"

#include "ui/after_first_paint.h"
#include "ui/calculator/form1.h"
#include "ui/calculator/pixel_runs.h"
#include "ui/calculator/wrapping_button.h"

#include <QApplication>
#include <QFileDialog>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

using namespace plicora;
using namespace plicora::testing;

namespace {

// Form1 shown as the program starts, its buttons found by name.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
    }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &form && window->isVisible())
                window->close();
        deleteClosedWindows();
    }

    QPushButton* button(const char* name) {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void closeCalculator(const char* name) {
        QWidget* calculator = visibleWindow(QString::fromLatin1(name));
        ASSERT_NE(calculator, nullptr);
        calculator->close();
        deleteClosedWindows();
    }

    Form1 form;
};

TEST_F(MainWindow, startsCentredWithItsTitleAndButtons) {
    EXPECT_EQ(form.windowTitle(), "Plicora");
    EXPECT_EQ(form.size(), QSize(651, 357));
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(),
              30); // frames differ by platform
    EXPECT_EQ(child<QLabel>(&form, "Label1")->text(), "Stampa opuscoletto");
    const QStringList captions = {"Stampa 4 pagine x foglio", "Stampa 8 pagine x foglio", "HELP",
                                  "FINE"};
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("Command%1").arg(i + 1);
        const QPushButton* b = form.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_EQ(b->geometry(), QRect((1560 + 1680 * i) / 15, 4560 / 15, 1695 / 15, 735 / 15));
        EXPECT_EQ(b->accessibleName(), captions[i]);
    }
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
}

TEST_F(MainWindow, paintsThePictureTheYellowTitleAndFlatOrangeButtons) {
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.pixelColor(640, 5), QColor(131, 188, 183)); // the picture's ground
    EXPECT_EQ(image.pixelColor(92, 20), QColor(255, 255, 0));   // Shape1 around the title
    EXPECT_EQ(image.pixelColor(106, 26), QColor(255, 255, 0));  // Label1's own background
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
        const QImage face = button(name)->grab().toImage();
        EXPECT_EQ(face.pixelColor(8, 4), QColor(255, 192, 128)) << name;
    }
}

TEST_F(MainWindow, tabsThroughTheButtonsInOrder) {
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &tab);
    }
    // The way to the booklet comes after the designed buttons.
    EXPECT_EQ(order,
              QStringList({"Command1", "Command2", "Command3", "Command4", "ApriPdf", "Command1"}));
}

// The link beside the designed buttons asks for a PDF, then opens the booklet window for it.
TEST_F(MainWindow, theLinkLeadsToTheBookletOfAPdf) {
    const TemporaryDirectory dir;
    const QString document = QString::fromStdString((dir.path() / "doc.pdf").string());
    std::ofstream(document.toStdString()) << "%PDF-1.4\n";
    QTimer choose;
    QObject::connect(&choose, &QTimer::timeout, &choose, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(document);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    choose.start(10);
    button("ApriPdf")->click();
    QWidget* booklet = visibleWindow(QStringLiteral("BookletForm"));
    ASSERT_NE(booklet, nullptr);
    EXPECT_EQ(child<QLabel>(booklet, "Documento")->text(), "Documento: doc.pdf");
}

// Reached with Tab, the link shows its focus as the other buttons do, and Enter opens it as Space
// does: each key asks for a PDF.
TEST_F(MainWindow, theLinkShowsItsFocusAndOpensWithEnterAsWithSpace) {
    QPushButton* link = button("ApriPdf");
    const QImage unfocused = link->grab().toImage();
    link->setFocus();
    ASSERT_TRUE(link->hasFocus());
    EXPECT_NE(link->grab().toImage(), unfocused);
    int asked = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            ++asked;
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    answer.start(10);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(link, &press);
        QApplication::sendEvent(link, &release);
    }
    EXPECT_EQ(asked, 3);
}

// Exactly one window is visible at any time, and Form1 comes back where it was.
TEST_F(MainWindow, opensEachCalculatorInItsPlaceAndComesBack) {
    const QPoint where = form.pos();
    for (const auto& [buttonName, calculator] :
         {std::pair{"Command1", "Form2"}, std::pair{"Command2", "Form3"}}) {
        button(buttonName)->click();
        EXPECT_EQ(visibleWindows(), QStringList{calculator});
        closeCalculator(calculator);
        EXPECT_EQ(visibleWindows(), QStringList{"Form1"});
        EXPECT_EQ(form.pos(), where);
    }
}

TEST_F(MainWindow, opensTheFourUpWindowFromTheKeyboard) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &enter);
    EXPECT_EQ(visibleWindows(), QStringList{"Form2"});
}

TEST_F(MainWindow, reopensACalculatorInItsInitialState) {
    button("Command1")->click();
    QWidget* calculator = visibleWindow("Form2");
    child<QLineEdit>(calculator, "Text1")->setText("41");
    child<QPushButton>(calculator, "Command1")->click();
    closeCalculator("Form2");
    button("Command1")->click();
    calculator = visibleWindow("Form2");
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(child<QLineEdit>(calculator, "Text1")->text(), "40");
    EXPECT_FALSE(child<QLabel>(calculator, "Errore")->isVisible());
}

TEST_F(MainWindow, showsTheHelpInEightLinesAndChangesNothing) {
    const MessageSeen help = answerMessageBox([this] { button("Command3")->click(); });
    EXPECT_TRUE(help.shown);
    EXPECT_EQ(help.title, "Plicora");
    EXPECT_EQ(help.buttonCount, 1);
    EXPECT_FALSE(help.hasIcon);
    const QStringList lines = help.text.split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(help.shownLines, 8); // none wrapped
    EXPECT_TRUE(lines[0].startsWith("Il programma calcola l'esatta sequenza"));
    EXPECT_EQ(lines[5], QString::fromUtf8("(il formato A5 \u00e8 esattamente la met\u00e0 dei un "
                                          "foglio A4)"));
    EXPECT_EQ(lines[7], "Versione Luglio 2010");
    EXPECT_FALSE(help.text.contains('\r'));
    EXPECT_EQ(QString::fromUtf8(Form1::helpText).count('\n'), 7);
    EXPECT_EQ(visibleWindows(), QStringList{"Form1"});
}

// Counts the close events the application delivers.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        closes += event->type() == QEvent::Close;
        return false;
    }
};

TEST_F(MainWindow, endsAtOnceOnFineWithNoCloseHandler) {
    CloseCounter counter;
    qApp->installEventFilter(&counter);
    QTimer::singleShot(0, button("Command4"), &QPushButton::click);
    EXPECT_EQ(QApplication::exec(), 0);
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(counter.closes, 0);
}

TEST_F(MainWindow, endsWhenClosed) {
    QTimer::singleShot(0, &form, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
}

// --- The orange buttons draw themselves --------------------------------------------------------

struct ButtonState {
    std::string name;
    bool down;
    bool focused;
    QColor topLeft, bottomRight; // the edges' outermost pixels
};

class OrangeButton : public ::testing::TestWithParam<ButtonState> {};

TEST_P(OrangeButton, showsItsStateOnAFlatFace) {
    const ButtonState& p = GetParam();
    QWidget window;
    auto* other = new QPushButton(&window);
    auto* button = new WrappingButton(QStringLiteral("HELP"), &window, QColor(255, 192, 128));
    button->setGeometry(0, 0, 113, 49);
    QPalette light = button->palette(); // a theme whose ink would not read on orange
    light.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(light);
    window.show();
    QApplication::setActiveWindow(&window);
    (p.focused ? static_cast<QWidget*>(button) : other)->setFocus();
    button->setDown(p.down);
    const QImage face = button->grab().toImage();
    EXPECT_EQ(face.pixelColor(0, 0), p.topLeft);
    EXPECT_EQ(face.pixelColor(112, 48), p.bottomRight);
    EXPECT_EQ(face.pixelColor(8, 4), QColor(255, 192, 128));
    int focusMark = 0, ink = 0;
    for (int x = 10; x < 100; ++x)
        focusMark += face.pixelColor(x, 5) == Qt::black;
    for (int y = 6; y < 43; ++y)
        for (int x = 6; x < 107; ++x)
            ink += face.pixelColor(x, y).lightness() < 60;
    EXPECT_EQ(focusMark > 0, p.focused);
    EXPECT_GT(ink, 20); // the caption, black
}

INSTANTIATE_TEST_SUITE_P(
    States, OrangeButton,
    ::testing::Values(ButtonState{"raised", false, false, Qt::white, QColor(128, 96, 64)},
                      ButtonState{"sunken", true, false, QColor(128, 96, 64), Qt::white},
                      ButtonState{"focused", false, true, Qt::white, QColor(128, 96, 64)}),
    caseName<ButtonState>);

// Work that the first picture doesn't need waits for it.
TEST(AfterFirstPaint, runsOnceAWindowHasBeenPainted) {
    QCoreApplication::processEvents(); // what earlier tests' paints still have to run
    int runs = 0;
    new AfterFirstPaint([&runs] { ++runs; });
    QWidget window;
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
    window.show();
    window.grab();
    QCoreApplication::processEvents();
    window.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

// Runs that cross rows and bands land where they belong; a run past the end is cut short.
TEST(PixelRuns, fillThePictureInOrder) {
    const std::vector<quint32> runs = {100, 0xffff0000, 200, 0xff0000ff, 5, 0xff00ff00};
    QImage picture(3, 70, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    drawPixelRuns(painter,
                  QByteArrayView(reinterpret_cast<const char*>(runs.data()),
                                 static_cast<qsizetype>(runs.size() * sizeof(quint32))),
                  picture.size());
    painter.end();
    const auto at = [&](int i) { return picture.pixelColor(i % 3, i / 3); };
    EXPECT_EQ(at(0), Qt::red);
    EXPECT_EQ(at(99), Qt::red); // row 33, in the second band
    EXPECT_EQ(at(100), Qt::blue);
    EXPECT_EQ(at(209), Qt::blue); // the last pixel, and no green after it
}

} // namespace
