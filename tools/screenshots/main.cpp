// Saves pictures of the real windows, in the states the documentation shows, without a display.
#include "tools/numbered_pdf/numbered_pdf.h"
#include "ui/application_setup.h"
#include "ui/booklet/booklet_form.h"
#include "ui/calculator/calculator_form.h"
#include "ui/calculator/calculator_variant.h"
#include "ui/calculator/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QStyleHints>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

QString outputDir;
bool failed = false;

void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void save(QWidget& window, const char* fileName) {
    window.show();
    settle();
    const QString path = QDir(outputDir).filePath(QString::fromLatin1(fileName));
    // Quality 0 asks for the strongest compression: these files are committed.
    if (!window.grab().save(path, "PNG", 0)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

template <typename T> T* child(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "screenshots: %s has no %s\n", qPrintable(window.objectName()), name);
        std::exit(1);
    }
    return found;
}

void press(QWidget& window) {
    child<QAbstractButton>(window, "Command1")->click();
    settle();
}

// Runs the event loop until `done` holds, for up to half a minute: the booklet window waits on
// its engine.
template <typename Done> void waitFor(const char* what, Done done) {
    const QDeadlineTimer deadline(30000);
    while (!done()) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "screenshots: %s did not come\n", what);
            std::exit(1);
        }
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
}

QByteArray pictureName(const char* stem, const QString& suffix) {
    return (QString::fromLatin1(stem) + suffix + QStringLiteral(".png")).toLatin1();
}

// The booklet window on a ten-page thesis, its sheet previewed, under light and dark colours;
// then, unless `suffix` names the pictures of another scale, with the booklet made in two files
// and signatures.
void saveBookletWindow(const QString& suffix) {
    QDir folder(QDir::temp().filePath(QStringLiteral("Documenti")));
    folder.removeRecursively();
    folder.mkpath(QStringLiteral("."));
    const QString document = folder.filePath(QStringLiteral("tesi.pdf"));
    plicora::writeNumberedPdf(document.toStdString(), std::vector<plicora::NumberedPage>(10), 30);
    {
        const QPalette light = QApplication::palette();
        for (const bool dark : {false, true}) {
            // A dark desktop: Qt derives every colour, light text included, from a dark button.
            QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : light);
            plicora::BookletForm booklet(document, plicora::Mode::FourUp,
                                         QStringLiteral(PLICORA_ENGINE));
            booklet.show();
            waitFor("the preview",
                    [&] { return !child<QLabel>(booklet, "Retro")->pixmap().isNull(); });
            save(booklet, pictureName(dark ? "booklet-dark" : "booklet", suffix).constData());
        }
        QApplication::setPalette(light);
        if (!suffix.isEmpty()) {
            folder.removeRecursively();
            return;
        }
        plicora::BookletForm booklet(document, plicora::Mode::FourUp,
                                     QStringLiteral(PLICORA_ENGINE));
        booklet.show();
        // Then as a printer without duplex makes it, in signatures of two sheets.
        child<QAbstractButton>(booklet, "DueFile")->click();
        child<QAbstractButton>(booklet, "RetriInversi")->click();
        child<QLineEdit>(booklet, "FogliFascicolo")->setText(QStringLiteral("2"));
        waitFor("the preview", [&] { return !child<QLabel>(booklet, "Retro")->pixmap().isNull(); });
        child<QAbstractButton>(booklet, "Crea")->click();
        waitFor("the booklet",
                [&] { return child<QAbstractButton>(booklet, "Apri")->isVisible(); });
        save(booklet, "booklet-done.png");
    }
    folder.removeRecursively();
}

// The windows as designed: Form1, and each calculator after a press.
void saveDesignedWindows() {
    {
        plicora::Form1 form1;
        save(form1, "form1.png");
    }
    {
        // 41 pages do not fill whole sheets: the count is raised to 44 and the warning shown.
        plicora::CalculatorForm form2(plicora::fourUpCalculator());
        form2.show();
        child<QLineEdit>(form2, "Text1")->setText(QStringLiteral("41"));
        press(form2);
        save(form2, "form2.png");
    }
    plicora::CalculatorForm form3(plicora::eightUpCalculator());
    form3.show();
    press(form3);
    save(form3, "form3.png");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    plicora::setUpApplication();
    // A steady caret, so the same windows always give the same pictures.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qPrintable(outputDir));
        return 1;
    }

    // These states should not raise a message box; if one does, close it so the run ends, and
    // fail, since the pictures would not show what they are meant to.
    QTimer modalWatch;
    QObject::connect(&modalWatch, &QTimer::timeout, &app, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "screenshots: unexpected message box in %s\n",
                         modal->parentWidget() ? qPrintable(modal->parentWidget()->objectName())
                                               : "no window");
            failed = true;
            modal->close();
        }
    });
    modalWatch.start(50);

    // A suffix asks for the booklet window's pictures alone, at the scale QT_SCALE_FACTOR sets.
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (suffix.isEmpty())
        saveDesignedWindows();
    saveBookletWindow(suffix);
    return failed ? 1 : 0;
}
