#include "window_test_support.h"

#include "ui/calculator/calculator_form.h"
#include "ui/calculator/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using namespace plicora;
using namespace plicora::testing;

namespace {

// Resident memory in KiB, from the kernel's own count.
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST(RepeatedUse, aThousandEightUpPressesAppendAThousandListings) {
    CalculatorForm form(eightUpCalculator());
    form.show();
    auto* press = child<QPushButton>(&form, "Command1");
    for (int i = 0; i < 1000; ++i)
        press->click();
    const QString once = QString::fromStdString(
        *calculate(
             {.mode = Mode::EightUp, .pageCountText = "40", .firstPageText = "1", .separator = ","})
             .listing);
    EXPECT_EQ(child<QPlainTextEdit>(&form, "Stampa")->toPlainText(), once.repeated(1000));
}

// The longest listings fill the box to its limit; the press past it is refused with a message,
// leaves the box as it was, and the window goes on.
TEST(RepeatedUse, fillingTheEightUpBoxEndsInAMessageNotAnAbort) {
    CalculatorForm form(eightUpCalculator());
    form.show();
    child<QLineEdit>(&form, "Text1")->setText(QStringLiteral("32760"));
    child<QLineEdit>(&form, "Separatore")->setText(QString(255, QLatin1Char(';')));
    const auto* stampa = child<QPlainTextEdit>(&form, "Stampa");
    MessageSeen seen;
    int presses = 0;
    while (!seen.shown && presses++ < 20) {
        const int before = stampa->document()->characterCount();
        seen = answerMessageBox([&] { child<QPushButton>(&form, "Command1")->click(); });
        if (seen.shown) {
            EXPECT_EQ(stampa->document()->characterCount(), before);
        }
    }
    EXPECT_EQ(seen.text, QString::fromUtf8(listingTooLongMessage));
    EXPECT_GT(presses, 5);
}

// Each closed calculator is destroyed: no window, and no memory, is left behind by a cycle.
TEST(RepeatedUse, openingAndClosingTheCalculatorsLeavesNothingBehind) {
    Form1 form;
    form.show();
    const auto cycle = [&](const char* button, const char* calculator) {
        child<QPushButton>(&form, button)->click();
        visibleWindow(calculator)->close();
        deleteClosedWindows();
    };
    for (int i = 0; i < 10; ++i) // warms up fonts and caches
        cycle("Command1", "Form2"), cycle("Command2", "Form3");
    const long before = residentKiB();
    for (int i = 0; i < 200; ++i)
        cycle("Command1", "Form2"), cycle("Command2", "Form3");
    const long grown = residentKiB() - before;
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
    EXPECT_EQ(visibleWindows(), QStringList{"Form1"});
#if defined(__SANITIZE_ADDRESS__) // it holds freed memory back on purpose; LeakSanitizer checks
    static_cast<void>(grown);
#else
    EXPECT_LT(grown, 2048) << "KiB";
#endif
}

} // namespace
