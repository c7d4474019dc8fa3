#pragma once

#include "engine/engine_protocol.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace plicora {

class ManualDuplexDialog;
class PrintProcess;

// Prints a booklet on a printer CUPS knows: the printers with the default one chosen, the
// copies, what Plicora will do on the printer chosen, "Stampa", and the job's fate as CUPS tells
// it. The engine does the printing as a child process, so the dialog never waits on CUPS.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog for `job` (the booklet the window would make), printed with the engine at
    // `engine`.
    PrintDialog(const BookletJob& job, const QString& engine, QWidget* parent);

private:
    QGroupBox* createPrinterGroup();
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
    QPointer<ManualDuplexDialog> putBack_;
};

} // namespace plicora
