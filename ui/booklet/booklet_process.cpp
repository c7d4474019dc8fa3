#include "ui/booklet/booklet_process.h"

#include "engine/engine_protocol.h"
#include "ui/shared/engine_run.h"
#include "ui/shared/file_path.h"

#include <filesystem>

namespace plicora {

BookletProcess::BookletProcess(const QString& engine, QObject* parent)
    : QObject(parent), run_(new EngineRun(engine, this)) {
    connect(run_, &EngineRun::lineRead, this, &BookletProcess::onLineRead);
    connect(run_, &EngineRun::succeeded, this, [this] {
        newPaths_.clear(); // the files are the user's now
        QStringList paths;
        for (const std::string& path : written_)
            paths << qtPath(path);
        Q_EMIT succeeded(paths);
    });
    connect(run_, &EngineRun::failed, this, [this](const QString& message) {
        newPaths_.clear(); // a failed engine has put nothing in place
        Q_EMIT failed(message);
    });
}

void BookletProcess::start(BookletJob job) {
    cancel();
    job.bareMessages = true; // the messages are shown as they come, in a box of their own
    written_.clear();
    newPaths_.clear();
    for (const std::string& path : outputPaths(job)) {
        std::error_code error;
        if (!std::filesystem::exists(path, error) && !error)
            newPaths_.push_back(path);
    }
    run_->start(engine::arguments(job));
}

void BookletProcess::cancel() {
    run_->cancel();
    // Stopped, the engine removes the files it had not yet put in place; what it did put where
    // there was nothing goes too, whether or not its line was read.
    for (const std::string& path : newPaths_) {
        std::error_code error;
        std::filesystem::remove(path, error);
    }
    newPaths_.clear();
}

void BookletProcess::onLineRead(const std::string& line) {
    if (const auto progress = engine::readProgressLine(line))
        Q_EMIT progressed(progress->done, progress->total);
    else if (auto path = engine::readWrittenLine(line))
        written_.push_back(std::move(*path));
}

} // namespace plicora
