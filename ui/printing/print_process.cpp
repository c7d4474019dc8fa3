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
    run_ = Run::List;
    start({QString::fromLatin1(engine::listPrintersOption)});
}

void PrintProcess::describePrinter(const std::string& name) {
    run_ = Run::Describe;
    start({QString::fromLatin1(engine::describePrinterOption), qtPath(name)});
}

void PrintProcess::print(BookletJob job) {
    run_ = Run::Print;
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
    if (failure) {
        Q_EMIT failed(*failure);
        return;
    }
    switch (run_) {
    case Run::List:
        Q_EMIT printersListed(printers);
        break;
    case Run::Describe:
        if (printers.size() == 1)
            Q_EMIT printerDescribed(printers.front());
        else
            Q_EMIT failed(QString::fromUtf8(engine::diedMessage));
        break;
    case Run::Print:
        Q_EMIT printed();
        break;
    }
}

} // namespace plicora
