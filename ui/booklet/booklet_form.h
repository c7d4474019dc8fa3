#pragma once

#include "core/booklet_job.h"
#include "core/page.h"
#include "core/print_way.h"
#include "core/sheet_sides.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabBar;
class QTimer;

namespace plicora {

class BackAnswerDialog;
class BookletProcess;
class PrintProcess;
class FoldDrawing;
class SheetChoices;
class SheetPreview;
class SheetView;

// The booklet window: one PDF, its page count and the blanks the booklet adds, the choice of
// layout, of one or two files, of signatures and creep and of how the backs are fed by hand, every
// sheet as it will print or the booklet as it will read, how to fold it, the engine run that
// writes the booklet beside the document, and the test sheet that finds out how a printer feeds
// the backs. The choices scroll on a small screen; the run's buttons stay in view.
class BookletForm : public QWidget {
    Q_OBJECT

public:
    // The window for `document`, preset to `mode`, making booklets with the engine at `engine`.
    BookletForm(const QString& document, Mode mode, const QString& engine);

    // Takes `job`'s choices, for a document another program printed to the booklet printer:
    // "Stampa" then offers `job`'s printer and copies, and the document's own folder, which the
    // booklet printer empties, is never where a booklet is written.
    void printAs(const BookletJob& job);

Q_SIGNALS:
    // A booklet went to the printer, every side of it.
    void printed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLayout* createDocumentHeader();
    QScrollArea* createChoices();
    QGroupBox* createLayoutGroup();
    QGroupBox* createPrinterGroup();
    QGroupBox* createThickGroup();
    QGroupBox* createFoldGroup();
    QGroupBox* createPreviewGroup();
    QLayout* createRunRow();
    void connectControls();
    void onDocumentRead(int pageCount, QSizeF firstPageSize);
    void onPrintersListed(const QList<Printer>& printers);

    Mode mode() const;
    // The job the controls ask for, as they stand; jobFaults() judges it.
    BookletJob readJob() const;
    // Shows what is wrong with the fields, or hides the message; with `focus`, the keyboard
    // goes to the field at fault. Returns whether the job can be made.
    bool showFaults(const BookletJob& job, bool focus);
    void showOptionsThatApply();
    void showBlanks(const BookletJob& job);
    void showAdvice();
    void showInstructions(const BookletJob& job);
    void onLayoutChanged();
    void onChoicesChanged();
    // Lays out `job`'s sheets for the preview and shows where it stands among them.
    void requestPreview(const BookletJob& job);
    // Asks for the pictures of the sheet or spread shown, at the size they are shown.
    void drawPreview();
    // Shows the sheet or spread `delta` after the one shown (before it, when negative).
    void onStepped(int delta);
    void onViewChanged();
    void onPictureDrawn(int slot, const QImage& image);
    bool readingView() const;
    void onCreateClicked();
    void onTestSheetClicked();
    // Runs `job`, beside the document unless its folder can't take the files: then a save
    // dialog titled `saveCaption` asks, suggesting `name`.
    void run(BookletJob job, const QString& name, const char* saveCaption);
    // Asks `question` of the test sheet's back, then sets the backs' options as answered.
    void askHowTheBackCameOut(const QString& question);
    void setChoicesEnabled(bool enabled);
    void onProgressed(int done, int total);
    void onSucceeded(const QStringList& paths);
    void onFailed(const QString& message);
    void onCancelClicked();
    void endRun();
    void onPrintClicked();
    void onOpenClicked();
    void onOpenFolderClicked();
    // Opens `target` with the desktop's program for it, or says that none could.
    void openWithDesktop(const QString& target, const char* failure);

    QString document_;
    QString engine_;
    bool read_ = false;  // the document has been read, or found unreadable
    int pageCount_ = -1; // -1: not read yet, or it can't be read
    QString proposed_;   // the signatures' size the window proposed, while the field holds it
    std::optional<BookletJob> given_; // the job printAs() took, if any
    QStringList written_;
    BookletProcess* process_;
    PrintProcess* printers_; // asks for the default printer's paper as the window opens
    SheetPreview* preview_;
    QTimer* progressDelay_; // shows the bar once a run takes longer than a moment
    QTimer* redrawDelay_;   // draws the pictures again once resizing pauses
    // The sheets previewed, the job they are laid out for, and where the preview stands.
    SheetSides sides_;
    BookletJob shown_;
    int bookletPages_ = 0;
    int sheet_ = 0;
    int spread_ = 0;
    QPointer<BackAnswerDialog> answer_;
    bool testRun_ = false; // the run going, or the last one, wrote the test sheet

    QLabel* title_ = nullptr;
    QLabel* pages_ = nullptr;
    QLabel* blanks_ = nullptr;
    QGroupBox* layoutGroup_ = nullptr;
    QRadioButton* fourUp_ = nullptr;
    QRadioButton* eightUp_ = nullptr;
    QGroupBox* printerGroup_ = nullptr;
    QRadioButton* oneFile_ = nullptr;
    QComboBox* edge_ = nullptr; // the edge a one-file booklet is turned on
    QRadioButton* twoFiles_ = nullptr;
    QPushButton* testSheet_ = nullptr;
    QGroupBox* backs_ = nullptr;
    QCheckBox* reversed_ = nullptr;
    QCheckBox* turned_ = nullptr;
    QGroupBox* thickGroup_ = nullptr;
    QLineEdit* signatures_ = nullptr;
    QLabel* creepLabel_ = nullptr;
    QLineEdit* creep_ = nullptr;
    QLabel* advice_ = nullptr;
    QLabel* fieldError_ = nullptr;
    QTabBar* views_ = nullptr;
    QPushButton* previous_ = nullptr;
    QLabel* position_ = nullptr;
    QPushButton* next_ = nullptr;
    SheetView* view_ = nullptr;
    FoldDrawing* drawing_ = nullptr;
    QLabel* instructions_ = nullptr;
    QPushButton* create_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* openFolder_ = nullptr;
    QPushButton* print_ = nullptr;
    SheetChoices* sheetChoices_ = nullptr;
};

} // namespace plicora
