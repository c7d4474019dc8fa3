#include "ui/booklet/booklet_process.h"
#include "engine/engine_protocol.h"

#include "ui/shared/engine_errors.h"
#include "ui/shared/file_path.h"

#include <QFile>
#include <QProcess>

namespace plicora {

BookletProcess::BookletProcess(const QString& engine, QObject* parent)
    : QObject(parent), engine_(engine) {}

BookletProcess::~BookletProcess() {
    cancel();
}

void BookletProcess::start(BookletJob job) {
    cancel();
    job.bareMessages = true; // the messages are shown as they come, in a box of their own
    QStringList arguments;
    for (const std::string& argument : engine::arguments(job))
        arguments << qtPath(argument);
    process_ = new QProcess(this);
    connect(process_, &QProcess::readyReadStandardOutput, this, &BookletProcess::readOutput);
    connect(process_, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { onFinished(exitCode, status); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onStartFailed();
    });
    process_->start(engine_, arguments, QIODevice::ReadOnly);
}

void BookletProcess::cancel() {
    if (!process_)
        return;
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished();
    // The engine names each file once it is whole; one killed after that is undone here. A file
    // being written when the engine dies has no name yet and vanishes with it.
    readOutput();
    for (const QString& path : std::as_const(written_))
        QFile::remove(path);
    end();
}

void BookletProcess::readOutput() {
    while (process_->canReadLine()) {
        const QByteArray line = process_->readLine().chopped(1);
        if (const auto progress = engine::readProgressLine(line.toStdString()))
            Q_EMIT progressed(progress->done, progress->total);
        else
            written_ << qtPath(line.toStdString());
    }
}

void BookletProcess::onFinished(int exitCode, int exitStatus) {
    readOutput();
    const std::optional<QString> failure = engineFailure(*process_, exitCode, exitStatus);
    const QStringList paths = written_;
    end();
    if (failure)
        Q_EMIT failed(*failure);
    else
        Q_EMIT succeeded(paths);
}

void BookletProcess::onStartFailed() {
    end();
    Q_EMIT failed(QString::fromUtf8(engine::missingMessage));
}

void BookletProcess::end() {
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
    written_.clear();
}

} // namespace plicora
