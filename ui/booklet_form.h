#pragma once

#include "core/page.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace plicora {

class BookletProcess;
class FoldDrawing;
class SheetPreview;

// The booklet window: one PDF, its page count and the blanks the booklet adds, the choice of
// layout and of one or two files, the first sheet as it will print and how to turn and fold it,
// and the engine run that writes the booklet beside the document.
class BookletForm : public QWidget {
    Q_OBJECT

public:
    // The window for `document`, preset to `mode`, making booklets with the engine at `engine`.
    BookletForm(const QString& document, Mode mode, const QString& engine);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Mode mode() const;
    void onModeChosen();
    void showChoices();
    void requestPreview();
    void onCreateClicked();
    void onProgressed(int done, int total);
    void onSucceeded(const QStringList& paths);
    void onFailed(const QString& message);
    void onCancelClicked();
    void endRun();
    void onOpenClicked();
    void onOpenFolderClicked();

    QString document_;
    int pageCount_ = -1; // -1: Qt PDF can't read it
    QStringList written_;
    BookletProcess* process_;
    SheetPreview* preview_;
    QLabel* blanks_ = nullptr;
    QRadioButton* fourUp_ = nullptr;
    QRadioButton* twoFiles_ = nullptr;
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
