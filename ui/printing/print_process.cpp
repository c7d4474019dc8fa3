#include "ui/printing/print_process.h"

#include "ui/shared/engine_errors.h"
#include "ui/shared/file_path.h"

#include <QProcess>

namespace plicora {

PrintProcess::PrintProcess(const QString& engine, QObject* parent)
    : QObject(parent), engine_(engine) {}

PrintProcess::~PrintProcess() {
    cancel();
}

void PrintProcess::listPrinters() {
    listing_ = true;
    start({QString::fromLatin1(engine::listPrintersOption)});
}

void PrintProcess::print(BookletJob job) {
    listing_ = false;
    job.bareMessages = true; // a window shows them in its own words
    QStringList arguments;
    for (const std::string& argument : engine::arguments(job))
        arguments << qtPath(argument);
    start(arguments);
}

void PrintProcess::start(const QStringList& arguments) {
    cancel();
    printers_.clear();
    process_ = new QProcess(this);
    connect(process_, &QProcess::readyReadStandardOutput, this, &PrintProcess::readOutput);
    connect(process_, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { onFinished(exitCode, status); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        cancel();
        Q_EMIT failed(QString::fromUtf8(engine::missingMessage));
    });
    // Standard input stays open: the engine printing by hand waits there for the backs.
    process_->start(engine_, arguments);
}

void PrintProcess::continueWithBacks() {
    if (process_)
        process_->write(QByteArray::fromStdString(std::string(engine::continueLine) + "\n"));
}

void PrintProcess::cancel() {
    if (!process_)
        return;
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished();
    process_->deleteLater();
    process_ = nullptr;
}

void PrintProcess::readOutput() {
    while (process_ && process_->canReadLine()) {
        const std::string line = process_->readLine().chopped(1).toStdString();
        if (const auto printer = engine::readPrinterLine(line))
            printers_ << *printer;
        else if (const auto status = engine::readJobLine(line))
            Q_EMIT jobChanged(*status);
        else if (line == engine::backsAwaitedLine)
            Q_EMIT backsAwaited();
    }
}

void PrintProcess::onFinished(int exitCode, int exitStatus) {
    readOutput();
    const std::optional<QString> failure = engineFailure(*process_, exitCode, exitStatus);
    const QList<Printer> printers = printers_;
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
    if (failure)
        Q_EMIT failed(*failure);
    else if (listing_)
        Q_EMIT printersListed(printers);
    else
        Q_EMIT printed();
}

} // namespace plicora
