#include "ui/shared/engine_run.h"

#include "console/console.h"
#include "console/encoded_line.h"
#include "engine/engine_protocol.h"
#include "ui/shared/file_path.h"

#include <QProcess>

namespace plicora {
namespace {

// How long a stopping engine has to remove its files before it is killed: far more than
// removing a hidden file takes, short enough not to be felt.
constexpr int stopMilliseconds = 3000;

// How the engine run as `process` ended: nothing when it succeeded; else the messages it wrote
// on standard error, or diedMessage when it died or failed without a word.
std::optional<QString> engineFailure(QProcess& process, int exitCode, int exitStatus) {
    // Each line as the engine encoded it for a window, so that a name's line break stays in it.
    QStringList lines;
    for (const QByteArray& line : process.readAllStandardError().split('\n'))
        if (!line.isEmpty())
            lines << QString::fromUtf8(
                decodedLine(line.toStdString()).value_or(line.toStdString()));
    const QString errors = lines.join(QLatin1Char('\n')).trimmed();
    if (exitStatus == QProcess::NormalExit && exitCode == exitSuccess)
        return std::nullopt;
    if (exitStatus == QProcess::NormalExit && exitCode == exitFailure && !errors.isEmpty())
        return errors;
    return QString::fromUtf8(engine::diedMessage);
}

} // namespace

EngineRun::EngineRun(const QString& engine, QObject* parent) : QObject(parent), engine_(engine) {}

EngineRun::~EngineRun() {
    cancel();
}

void EngineRun::start(const std::vector<std::string>& arguments) {
    cancel();
    QStringList qtArguments;
    for (const std::string& argument : arguments)
        qtArguments << qtPath(argument);
    process_ = new QProcess(this);
    connect(process_, &QProcess::readyReadStandardOutput, this, &EngineRun::readOutput);
    connect(process_, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { onFinished(exitCode, status); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        end();
        Q_EMIT failed(QString::fromUtf8(engine::missingMessage));
    });
    // Standard input stays open: the engine printing by hand waits there for the backs.
    process_->start(engine_, qtArguments);
}

void EngineRun::writeLine(std::string_view line) {
    if (process_)
        process_->write(QByteArray::fromStdString(std::string(line) + "\n"));
}

void EngineRun::cancel() {
    if (!process_)
        return;
    process_->disconnect(this);
    process_->terminate();
    if (!process_->waitForFinished(stopMilliseconds)) {
        process_->kill();
        process_->waitForFinished();
    }
    end();
}

void EngineRun::readOutput() {
    while (process_ && process_->canReadLine())
        Q_EMIT lineRead(process_->readLine().chopped(1).toStdString());
}

void EngineRun::onFinished(int exitCode, int exitStatus) {
    readOutput();
    const std::optional<QString> failure = engineFailure(*process_, exitCode, exitStatus);
    end();
    if (failure)
        Q_EMIT failed(*failure);
    else
        Q_EMIT succeeded();
}

void EngineRun::end() {
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
}

} // namespace plicora
