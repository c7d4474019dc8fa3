#pragma once

#include "core/page.h"
#include "engine/engine_interface.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace plicora {

class BackAnswerDialog;
class BookletProcess;
class FoldDrawing;
class SheetPreview;

// The booklet window: one PDF, its page count and the blanks the booklet adds, the choice of
// layout, of one or two files, of signatures and creep and of how the backs are fed by hand, the
// first sheet as it will print and how to turn and fold it, the engine run that writes the
// booklet beside the document, and the test sheet that finds out how a printer feeds the backs.
class BookletForm : public QWidget {
    Q_OBJECT

public:
    // The window for `document`, preset to `mode`, making booklets with the engine at `engine`.
    BookletForm(const QString& document, Mode mode, const QString& engine);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Mode mode() const;
    void onLayoutChanged();
    void showChoices();
    // The job the controls ask for; nothing, and a message under the fields (and the keyboard
    // on the field when `focusFault`), when a field holds what the engine can't take.
    std::optional<engine::BookletJob> readJob(bool focusFault = false);
    void requestPreview();
    void onCreateClicked();
    void onTestSheetClicked();
    // Runs `job`, beside the document unless its folder can't take the files: then a save
    // dialog titled `saveCaption` asks, suggesting `name`.
    void run(engine::BookletJob job, const QString& name, const char* saveCaption);
    void askHowTheBackCameOut(const QString& fronts, const QString& backs);
    void setChoicesEnabled(bool enabled);
    void onProgressed(int done, int total);
    void onSucceeded(const QStringList& paths);
    void onFailed(const QString& message);
    void onCancelClicked();
    void endRun();
    void onPrintClicked();
    void onOpenClicked();
    void onOpenFolderClicked();

    QString document_;
    QString engine_;
    int pageCount_ = -1; // -1: Qt PDF can't read it
    QStringList written_;
    BookletProcess* process_;
    SheetPreview* preview_;
    QLabel* blanks_ = nullptr;
    QRadioButton* fourUp_ = nullptr;
    QRadioButton* twoFiles_ = nullptr;
    QComboBox* edge_ = nullptr; // the edge a one-file booklet is turned on
    QLineEdit* signatures_ = nullptr;
    QLineEdit* creep_ = nullptr;
    QLabel* fieldError_ = nullptr;
    QPushButton* testSheet_ = nullptr;
    QCheckBox* reversed_ = nullptr;
    QCheckBox* turned_ = nullptr;
    QPointer<BackAnswerDialog> answer_;
    bool testRun_ = false; // the run going, or the last one, wrote the test sheet
    QLabel* front_ = nullptr;
    QLabel* back_ = nullptr;
    FoldDrawing* drawing_ = nullptr;
    QLabel* instructions_ = nullptr;
    QPushButton* create_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* progressDelay_ = nullptr; // shows the bar once a run takes longer than a moment
    QPushButton* cancel_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* openFolder_ = nullptr;
};

} // namespace plicora
