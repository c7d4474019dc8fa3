#include "ui/printing/print_process.h"

#include "ui/shared/engine_run.h"

namespace plicora {

PrintProcess::PrintProcess(const QString& engine, QObject* parent)
    : QObject(parent), run_(new EngineRun(engine, this)) {
    connect(run_, &EngineRun::lineRead, this, &PrintProcess::onLineRead);
    connect(run_, &EngineRun::succeeded, this, [this] {
        if (listing_)
            Q_EMIT printersListed(printers_);
        else
            Q_EMIT printed();
    });
    connect(run_, &EngineRun::failed, this, &PrintProcess::failed);
}

void PrintProcess::listPrinters() {
    listing_ = true;
    printers_.clear();
    run_->start({std::string(engine::listPrintersOption)});
}

void PrintProcess::print(BookletJob job) {
    listing_ = false;
    job.bareMessages = true; // a window shows them in its own words
    run_->start(engine::arguments(job));
}

void PrintProcess::continueWithBacks() {
    run_->writeLine(engine::continueLine);
}

void PrintProcess::cancel() {
    run_->cancel();
}

void PrintProcess::onLineRead(const std::string& line) {
    if (const auto printer = engine::readPrinterLine(line))
        printers_ << *printer;
    else if (const auto status = engine::readJobLine(line))
        Q_EMIT jobChanged(*status);
    else if (line == engine::backsAwaitedLine)
        Q_EMIT backsAwaited();
}

} // namespace plicora
