// The windows as users of other desktops meet them: dark palettes, other widget styles and fonts,
// high-DPI screens, screen readers and Qt's own texts.
#include "test_support.h"
#include "window_test_support.h"

#include "tools/numbered_pdf/numbered_pdf.h"
#include "ui/booklet/booklet_form.h"
#include "ui/calculator/calculator_form.h"
#include "ui/calculator/caption_fit.h"
#include "ui/calculator/fonts.h"
#include "ui/calculator/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

using namespace plicora;
using namespace plicora::testing;

namespace {

QPalette darkPalette() {
    QPalette p;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 45)},
                                {QPalette::WindowText, QColor(238, 238, 236)},
                                {QPalette::Base, QColor(30, 30, 30)},
                                {QPalette::Text, QColor(238, 238, 236)},
                                {QPalette::Button, QColor(53, 53, 53)},
                                {QPalette::ButtonText, QColor(238, 238, 236)}})
        p.setColor(role, colour);
    return p;
}

double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The strongest contrast (WCAG ratio) between `background` and any pixel inside the control's
// edges: the caption's ink, as the user sees it.
double captionContrast(QWidget* control, QColor background) {
    const QImage image = control->grab().toImage();
    const double ground = luminance(background);
    double best = 1;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x) {
            const double ink = luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(ink, ground) + 0.05) / (std::min(ink, ground) + 0.05));
        }
    return best;
}

// A ten-page PDF for the booklet window, made once.
QString bookletDocument() {
    static const TemporaryDirectory dir;
    static const std::string path = [] {
        const std::string document = dir.path() / "un documento dal nome lungo.pdf";
        writeNumberedPdf(document, std::vector<NumberedPage>(10));
        return document;
    }();
    return QString::fromStdString(path);
}

BookletForm* openBookletForm() {
    return new BookletForm(bookletDocument(), Mode::FourUp, QStringLiteral(PLICORA_ENGINE));
}

struct Window {
    const char* name;
    std::function<QWidget*()> open;
};

const Window windows[] = {
    {"Form1", [] { return new Form1; }},
    {"Form2", [] { return new CalculatorForm(fourUpCalculator()); }},
    {"Form3", [] { return new CalculatorForm(eightUpCalculator()); }},
    {"BookletForm", openBookletForm},
};

struct Look {
    std::string name;
    const char* style;
    bool dark;
    const char* sansSerif; // what stands in for "MS Sans Serif"
};

void PrintTo(const Look& look, std::ostream* out) {
    *out << look.name;
}

class EachLook : public ::testing::TestWithParam<Look> {
protected:
    void SetUp() override {
        QApplication::setStyle(QStyleFactory::create(QString::fromLatin1(GetParam().style)));
        QApplication::setPalette(GetParam().dark ? darkPalette()
                                                 : QApplication::style()->standardPalette());
        QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QString::fromLatin1(GetParam().sansSerif));
    }
    void TearDown() override {
        QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
        installFontSubstitutes();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
};

TEST_P(EachLook, everyCaptionFitsItsControl) {
    for (const Window& window : windows) {
        std::unique_ptr<QWidget> form(window.open());
        form->show();
        if (auto* text1 = form->findChild<QLineEdit*>("Text1")) { // a rounded press warns
            text1->setText("41");
            child<QPushButton>(form.get(), "Command1")->click();
        }
        if (auto* eightUp = form->findChild<QRadioButton*>("Otto")) { // the longest instructions
            eightUp->click();
            child<QRadioButton>(form.get(), "DueFile")->click(); // and the backs' options
            child<QLineEdit>(form.get(), "FogliFascicolo")->setText("mille"); // and a refusal
        }
        for (QWidget* control : form->findChildren<QWidget*>()) {
            const auto* box = qobject_cast<QPlainTextEdit*>(control);
            if (control->isVisible() && !(box && !box->isReadOnly())) { // the output box wraps
                EXPECT_TRUE(captionFits(control))
                    << window.name << " " << control->objectName().toStdString();
            }
        }
    }
}

TEST_P(EachLook, captionsReadOnTheirFixedColours) {
    std::unique_ptr<QWidget> form1(windows[0].open());
    form1->show();
    EXPECT_GE(captionContrast(child(form1.get(), "Label1"), QColor(255, 255, 0)), 4.5);
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
        EXPECT_GE(captionContrast(child(form1.get(), name), QColor(255, 192, 128)), 4.5) << name;

    std::unique_ptr<QWidget> form2(windows[1].open());
    form2->show();
    child<QLineEdit>(form2.get(), "Text1")->setText("41");
    child<QPushButton>(form2.get(), "Command1")->click();
    EXPECT_GE(captionContrast(child(form2.get(), "Errore"), QColor(170, 0, 0)), 4.5);
}

// The booklet window takes the palette's colours, its drawing too.
TEST_P(EachLook, bookletWindowReadsOnThePalette) {
    const std::unique_ptr<QWidget> form(openBookletForm());
    form->show();
    const QColor ground = form->palette().color(QPalette::Window);
    for (const char* name : {"Documento", "Istruzioni", "Piegatura"})
        EXPECT_GE(captionContrast(child(form.get(), name), ground), 4.5) << name;
}

INSTANTIATE_TEST_SUITE_P(Looks, EachLook,
                         ::testing::Values(Look{"Fusion", "Fusion", false, "Liberation Sans"},
                                           Look{"FusionDark", "Fusion", true, "Liberation Sans"},
                                           Look{"WindowsDark", "Windows", true, "Liberation Sans"},
                                           Look{"WideFont", "Windows", false, "DejaVu Sans"}),
                         caseName<Look>);

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST(ScreenReader, hearsFramedWindowsAndNoNamelessDecoration) {
    Form1 form;
    form.show();
    QAccessibleInterface* window = accessible(&form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Plicora");
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_FALSE(window->child(i)->text(QAccessible::Name).isEmpty()) << i;
}

// Every control shown in the booklet window, within its groups too, is named; pictures are
// graphics.
TEST(ScreenReader, hearsEveryControlOfTheBookletWindow) {
    const std::unique_ptr<QWidget> form(openBookletForm());
    form->show();
    child<QRadioButton>(form.get(), "DueFile")->click(); // the backs' options show
    EXPECT_EQ(accessible(form.get())->role(), QAccessible::Window);
    std::function<void(QAccessibleInterface*)> expectNamed = [&](QAccessibleInterface* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* control = parent->child(i);
            if (control->state().invisible)
                continue; // hidden until it has something to say
            EXPECT_FALSE(control->text(QAccessible::Name).isEmpty())
                << parent->text(QAccessible::Name).toStdString() << " " << i;
            expectNamed(control);
        }
    };
    expectNamed(accessible(form.get()));
    for (const char* name : {"Fronte", "Retro", "Piegatura"})
        EXPECT_EQ(accessible(child(form.get(), name))->role(), QAccessible::Graphic) << name;
    EXPECT_FALSE(
        accessible(child(form.get(), "Piegatura"))->text(QAccessible::Description).isEmpty());
}

TEST(ScreenReader, hearsTheWarningsOwnWordsAsAnAlertAndSizesInPoints) {
    CalculatorForm form(fourUpCalculator());
    form.show();
    EXPECT_EQ(accessible(&form)->role(), QAccessible::Window);
    child<QLineEdit>(&form, "Text1")->setText("41");
    child<QPushButton>(&form, "Command1")->click();
    QAccessibleInterface* warning = accessible(child(&form, "Errore"));
    EXPECT_EQ(warning->role(), QAccessible::AlertMessage);
    EXPECT_EQ(warning->text(QAccessible::Name), child<QLabel>(&form, "Errore")->text());
    EXPECT_TRUE(warning->text(QAccessible::Name).startsWith("Il numero di pagina non"));

    int start = 0, end = 0;
    const QString attributes =
        accessible(child(&form, "Stampa"))->textInterface()->attributes(0, &start, &end);
    EXPECT_TRUE(attributes.contains("font-size:12pt")) << attributes.toStdString();
}

// Once the first window is on the screen, before the user can reach a context menu.
TEST(QtTexts, areItalian) {
    QLineEdit field;
    field.show();
    field.grab();
    QCoreApplication::processEvents();
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.join('|').contains("Seleziona tutto")) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.join('|').contains("Select All"));
}

// Run at scale factor 2 (QT_SCALE_FACTOR=2): the picture is shown from its 2x drawing, pixel for
// pixel, not enlarged.
TEST(HighDpi, showsTheSharpPicture) {
    Form1 form;
    form.show();
    if (form.devicePixelRatioF() < 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    const QImage shown = form.grab().toImage();
    const QImage sharp(QStringLiteral(":/resources/main_picture@2x.png"));
    for (int y = 300; y < 420; y += 3) // the red arrow's head, away from every control
        for (int x = 380; x < 520; x += 3)
            ASSERT_EQ(shown.pixelColor(x, y), sharp.pixelColor(x, y)) << x << "," << y;
}

// The booklet's sheet is rendered for the screen's pixels, not enlarged.
TEST(HighDpi, rendersThePreviewForTheScreensPixels) {
    const std::unique_ptr<QWidget> form(openBookletForm());
    form->show();
    const auto* front = child<QLabel>(form.get(), "Fronte");
    ASSERT_TRUE(waitUntil([&] { return !front->pixmap().isNull(); }));
    const QPixmap side = front->pixmap();
    EXPECT_EQ(side.devicePixelRatio(), form->devicePixelRatioF());
    EXPECT_EQ(side.width(), qRound(front->contentsRect().width() * form->devicePixelRatioF()));
}

} // namespace
