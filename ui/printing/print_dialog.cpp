#include "ui/printing/print_dialog.h"

#include "core/printer_paper.h"
#include "ui/printing/manual_duplex_dialog.h"
#include "ui/printing/print_process.h"
#include "ui/shared/ui_messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace plicora {
namespace {

// What Plicora does on a printer.
const char* planText(PrintWay way) {
    switch (way) {
    case PrintWay::ShortEdge:
        return shortEdgePlanText;
    case PrintWay::LongEdge:
        return longEdgePlanText;
    case PrintWay::ByHand:
        return byHandPlanText;
    }
    return "";
}

// A job's state, with a %1 for the job.
const char* jobStateText(engine::JobState state) {
    switch (state) {
    case engine::JobState::Queued:
        return jobQueuedText;
    case engine::JobState::Held:
        return jobHeldText;
    case engine::JobState::Printing:
        return jobPrintingText;
    case engine::JobState::Printed:
        return jobPrintedText;
    }
    return "";
}

QLabel* wrappingLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

PrintDialog::PrintDialog(const BookletJob& job, const QString& engine, QWidget* parent)
    : QDialog(parent), job_(job), process_(new PrintProcess(engine, this)) {
    setObjectName(QStringLiteral("StampaOpuscolo"));
    setWindowTitle(QString::fromUtf8(job.testSheet ? printTestSheetTitle : printTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPrinterGroup());
    plan_ = wrappingLabel("Piano", this);
    layout->addWidget(plan_);
    fate_ = wrappingLabel("Esito", this);
    fate_->setText(QString::fromUtf8(printersWaitingText));
    layout->addWidget(fate_);
    // Room for the longest plan and for a message naming a printer and CUPS's reason, so that
    // the dialog keeps its size as they change.
    plan_->setMinimumHeight(3 * fontMetrics().lineSpacing());
    fate_->setMinimumHeight(3 * fontMetrics().lineSpacing());
    buttons_ = new QDialogButtonBox(this);
    print_ = buttons_->addButton(QString::fromUtf8(printText), QDialogButtonBox::AcceptRole);
    print_->setObjectName(QStringLiteral("Stampa"));
    print_->setEnabled(false); // until the printers are known
    QPushButton* close =
        buttons_->addButton(QString::fromUtf8(closeText), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Chiudi"));
    layout->addWidget(buttons_);
    setMinimumWidth(520);

    connect(print_, &QPushButton::clicked, this, &PrintDialog::onPrintClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(printerList_, &QComboBox::currentIndexChanged, this, &PrintDialog::onPrinterChosen);
    connect(paperList_, &QComboBox::currentIndexChanged, this, &PrintDialog::onPaperChosen);
    connect(process_, &PrintProcess::printersListed, this, &PrintDialog::onPrintersListed);
    connect(process_, &PrintProcess::printerDescribed, this, &PrintDialog::onPrinterDescribed);
    connect(process_, &PrintProcess::jobChanged, this, &PrintDialog::onJobChanged);
    connect(process_, &PrintProcess::backsAwaited, this, &PrintDialog::onBacksAwaited);
    connect(process_, &PrintProcess::printed, this, &PrintDialog::onPrinted);
    connect(process_, &PrintProcess::failed, this, &PrintDialog::onFailed);
    process_->listPrinters();
}

QGroupBox* PrintDialog::createPrinterGroup() {
    auto* group = new QGroupBox(QStringLiteral("Stampante"), this);
    auto* form = new QFormLayout(group);
    printerList_ = new QComboBox(group);
    printerList_->setObjectName(QStringLiteral("Stampanti"));
    form->addRow(QString::fromUtf8(printerLabelText), printerList_);
    paperList_ = new QComboBox(group);
    paperList_->setObjectName(QStringLiteral("Carta"));
    form->addRow(QString::fromUtf8(printPaperLabelText), paperList_);
    copies_ = new QSpinBox(group);
    copies_->setObjectName(QStringLiteral("Copie"));
    copies_->setRange(1, copiesMax);
    copies_->setValue(job_.copies);
    form->addRow(QString::fromUtf8(copiesLabelText), copies_);
    return group;
}

void PrintDialog::onPrintersListed(const QList<Printer>& printers) {
    printers_ = printers;
    const QSignalBlocker quiet(printerList_);
    printerList_->clear();
    for (const Printer& printer : printers) {
        const QString name = QString::fromStdString(printer.name);
        printerList_->addItem(printer.isDefault ? QString::fromUtf8(defaultPrinterText).arg(name)
                                                : name);
        if (job_.printer.empty() ? printer.isDefault : printer.name == job_.printer)
            printerList_->setCurrentIndex(printerList_->count() - 1);
    }
    setFate(printers.isEmpty() ? QString::fromUtf8(noPrinterText) : QString());
    if (printers.isEmpty())
        offerFiles();
    onPrinterChosen();
}

void PrintDialog::onPrinterDescribed(const Printer& printer) {
    describing_.clear();
    for (Printer& listed : printers_)
        if (listed.name == printer.name)
            listed = {printer.name, listed.isDefault,     printer.shortEdge, printer.longEdge,
                      true,         printer.defaultMedia, printer.media,     printer.margins};
    setFate(QString());
    onPrinterChosen();
}

void PrintDialog::onPrinterChosen() {
    const int index = printerList_->currentIndex();
    const QSignalBlocker quiet(paperList_);
    paperList_->clear();
    plan_->clear();
    print_->setEnabled(false);
    if (index < 0 || index >= printers_.size())
        return;
    const Printer& printer = printers_[index];
    if (!printer.known) {
        // Asked once chosen, since it may wait on the network; asked again only when chosen
        // again after answering.
        if (unreachable_.contains(QString::fromStdString(printer.name)))
            return;
        describing_ = printer.name;
        setFate(QString::fromUtf8(printerCheckingText));
        process_->describePrinter(printer.name);
        return;
    }
    // The booklet's own paper when the printer has it, else the printer's default one, else the
    // first it has; the papers Plicora prints on that the printer has to choose from.
    for (const NamedPaper& named : namedPapers)
        if (printerTakesPaper(printer, named.paper))
            paperList_->addItem(QString::fromUtf8(named.name.data(), named.name.size()));
    const QString own = QString::fromStdString(paperText(job_.paper));
    if (printerTakesPaper(printer, job_.paper) && paperList_->findText(own) < 0)
        paperList_->addItem(own);
    if (paperList_->count() == 0) {
        QString listed;
        for (const std::string& name : printerPaperNames(printer))
            listed += (listed.isEmpty() ? QString() : QStringLiteral(", ")) +
                      QString::fromStdString(name);
        setFate(QString::fromUtf8(noPaperOnPrinterText).arg(listed));
        return;
    }
    const auto fallback = printerDefaultPaper(printer);
    const int ownIndex = paperList_->findText(own);
    const int fallbackIndex =
        fallback ? paperList_->findText(QString::fromStdString(paperText(*fallback))) : -1;
    paperList_->setCurrentIndex(ownIndex >= 0 ? ownIndex : std::max(fallbackIndex, 0));
    setFate(ownIndex >= 0
                ? QString()
                : QString::fromUtf8(paperReplacedText).arg(own, paperList_->currentText()));
    onPaperChosen();
}

void PrintDialog::onPaperChosen() {
    const int index = printerList_->currentIndex();
    const bool chosen = index >= 0 && index < printers_.size() && paperList_->count() > 0;
    auto way = chosen ? printWay(job_, printers_[index]) : std::nullopt;
    QString plan;
    if (way && job_.testSheet && (printers_[index].shortEdge || printers_[index].longEdge)) {
        // A duplex printer turns the backs itself: there is nothing for a test to find out.
        plan = QString::fromUtf8(testSheetNotNeededText);
        way.reset();
    } else if (way) {
        plan = QString::fromUtf8(job_.testSheet ? testSheetPlanText : planText(*way))
                   .arg(paperList_->currentText());
        // What the printer's margins take off the pages.
        const int percent = static_cast<int>(
            std::lround(100 * marginScale(job_.mode, chosenPaper(),
                                          printerMargin(printers_[index], chosenPaper()))));
        if (percent < 100)
            plan += QLatin1Char(' ') + QString::fromUtf8(marginScaleText).arg(percent);
    }
    plan_->setText(plan);
    plan_->setAccessibleName(plan_->text());
    print_->setEnabled(way.has_value());
}

Paper PrintDialog::chosenPaper() const {
    return readPaper(paperList_->currentText().toStdString()).value_or(job_.paper);
}

void PrintDialog::onPrintClicked() {
    BookletJob job = job_;
    job.printer = printers_[printerList_->currentIndex()].name;
    job.copies = copies_->value();
    job.paper = chosenPaper();
    job.progress = true;
    lastState_.reset();
    setBusy(true);
    setFate(QString::fromUtf8(printPreparingText));
    process_->print(job);
}

void PrintDialog::onJobChanged(const engine::JobStatus& status) {
    const QString id =
        QStringLiteral("%1-%2").arg(QString::fromStdString(status.printer)).arg(status.id);
    QString text = QString::fromUtf8(jobStateText(status.state)).arg(id);
    lastState_ = status.state;
    // CUPS's own words on the printer, such as why it can't be reached.
    if (!status.message.empty())
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(status.message));
    setFate(text);
}

void PrintDialog::onBacksAwaited() {
    putBack_ = new ManualDuplexDialog(job_.reversedBacks, job_.turnedBacks, this);
    putBack_->setAttribute(Qt::WA_DeleteOnClose);
    connect(putBack_, &QDialog::accepted, process_, &PrintProcess::continueWithBacks);
    connect(putBack_, &QDialog::rejected, this, [this] {
        process_->cancel();
        setBusy(false);
        setFate(QString::fromUtf8(backsNotSentText));
    });
    putBack_->open();
}

void PrintDialog::onPrinted() {
    Q_EMIT printed();
    // A job that waits (held, or behind another) is left to CUPS, told where it is.
    if (lastState_ == engine::JobState::Queued || lastState_ == engine::JobState::Held)
        setFate(QString::fromUtf8(jobLeftText).arg(fate_->text()));
    setBusy(false);
}

void PrintDialog::onFailed(const QString& message) {
    if (!describing_.empty()) {
        unreachable_ << QString::fromStdString(describing_);
        describing_.clear();
        setFate(message);
        return;
    }
    if (putBack_)
        putBack_->close();
    setBusy(false);
    setFate(message);
    if (printers_.isEmpty())
        offerFiles(); // CUPS isn't there
}

void PrintDialog::offerFiles() {
    if (!job_.testSheet || writeFiles_)
        return;
    writeFiles_ =
        buttons_->addButton(QString::fromUtf8(writeFilesText), QDialogButtonBox::ActionRole);
    writeFiles_->setObjectName(QStringLiteral("ScriviFile"));
    connect(writeFiles_, &QPushButton::clicked, this, [this] {
        Q_EMIT filesAsked();
        accept();
    });
    writeFiles_->setDefault(true);
    writeFiles_->setFocus();
}

void PrintDialog::setFate(const QString& text) {
    fate_->setText(text);
    fate_->setAccessibleName(text);
}

void PrintDialog::setBusy(bool busy) {
    printerList_->setEnabled(!busy);
    paperList_->setEnabled(!busy);
    copies_->setEnabled(!busy);
    print_->setEnabled(false);
    if (!busy)
        onPaperChosen(); // "Stampa" again, if the printer can take the booklet
}

} // namespace plicora
