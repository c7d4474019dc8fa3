#pragma once

#include "engine/engine_protocol.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace plicora {

class ManualDuplexDialog;
class PrintProcess;

// Prints a booklet, or the test sheet, on a printer CUPS knows: the printers with the job's own or
// else the default one chosen, the copies, what Plicora will do on the printer chosen, "Stampa",
// and the job's fate as CUPS tells it. Without a printer, the test sheet is offered as files
// instead. The engine does the printing as a child process, so the dialog never waits on CUPS.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog for `job` (the booklet the window would make), printed with the engine at
    // `engine`.
    PrintDialog(const BookletJob& job, const QString& engine, QWidget* parent);

Q_SIGNALS:
    // The job went to the printer, every side of it.
    void printed();
    // No printer can print the test sheet: the user asked for its files instead.
    void filesAsked();

private:
    QGroupBox* createPrinterGroup();
    // Offers the test sheet's files when no printer is there to print it.
    void offerFiles();
    void onPrintersListed(const QList<Printer>& printers);
    void onPrinterDescribed(const Printer& printer);
    void onPrinterChosen();
    void onPaperChosen();
    void onPrintClicked();
    void onJobChanged(const engine::JobStatus& status);
    void onBacksAwaited();
    void onPrinted();
    void onFailed(const QString& message);
    void setFate(const QString& text);
    void setBusy(bool busy);
    // The paper of the booklet as the paper list holds it.
    Paper chosenPaper() const;

    BookletJob job_;
    QList<Printer> printers_;
    // The printer being asked what it can do, and those that didn't answer.
    std::string describing_;
    QStringList unreachable_;
    std::optional<engine::JobState> lastState_;
    PrintProcess* process_;
    QComboBox* printerList_ = nullptr;
    QComboBox* paperList_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QLabel* plan_ = nullptr;
    QLabel* fate_ = nullptr;
    QPushButton* print_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* writeFiles_ = nullptr; // offered once no printer can print the test sheet
    QPointer<ManualDuplexDialog> putBack_;
};

} // namespace plicora
