#include "ui/printing/print_process.h"

#include "ui/shared/engine_run.h"

namespace plicora {

PrintProcess::PrintProcess(const QString& engine, QObject* parent)
    : QObject(parent), run_(new EngineRun(engine, this)) {
    connect(run_, &EngineRun::lineRead, this, &PrintProcess::onLineRead);
    connect(run_, &EngineRun::succeeded, this, &PrintProcess::onSucceeded);
    connect(run_, &EngineRun::failed, this, &PrintProcess::failed);
}

void PrintProcess::listPrinters() {
    start(Run::List, {std::string(engine::listPrintersOption)});
}

void PrintProcess::describePrinter(const std::string& name) {
    start(Run::Describe, {std::string(engine::describePrinterOption), name});
}

void PrintProcess::print(BookletJob job) {
    job.bareMessages = true; // a window shows them in its own words
    start(Run::Print, engine::arguments(job));
}

void PrintProcess::continueWithBacks() {
    run_->writeLine(engine::continueLine);
}

void PrintProcess::cancel() {
    run_->cancel();
}

void PrintProcess::start(Run kind, const std::vector<std::string>& arguments) {
    kind_ = kind;
    printers_.clear();
    run_->start(arguments);
}

void PrintProcess::onLineRead(const std::string& line) {
    if (const auto printer = engine::readPrinterLine(line))
        printers_ << *printer;
    else if (const auto status = engine::readJobLine(line))
        Q_EMIT jobChanged(*status);
    else if (line == engine::backsAwaitedLine)
        Q_EMIT backsAwaited();
}

void PrintProcess::onSucceeded() {
    switch (kind_) {
    case Run::List:
        Q_EMIT printersListed(printers_);
        break;
    case Run::Describe:
        if (printers_.size() == 1)
            Q_EMIT printerDescribed(printers_.front());
        else
            Q_EMIT failed(QString::fromUtf8(engine::diedMessage));
        break;
    case Run::Print:
        Q_EMIT printed();
        break;
    }
}

} // namespace plicora
