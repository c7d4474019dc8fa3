#pragma once

#include "core/booklet_job.h"

#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

namespace plicora {

class EngineRun;

// One run of the booklet engine, making a booklet's files. It reports what the engine tells as
// it comes, and exactly one outcome per run.
class BookletProcess : public QObject {
    Q_OBJECT

public:
    // Runs the engine at `engine`.
    BookletProcess(const QString& engine, QObject* parent);

    // Starts `job`, cancelling a run still going.
    void start(BookletJob job);

    // Ends the run at once, reporting nothing. A file this run put where there was none is
    // removed; a file that was there before is never touched.
    void cancel();

Q_SIGNALS:
    // The engine has laid out `done` of the booklet's `total` pages.
    void progressed(int done, int total);
    // The booklet is written, in these files.
    void succeeded(const QStringList& paths);
    // The run failed; `message` is in Italian, ready for the user.
    void failed(const QString& message);

private:
    void onLineRead(const std::string& line);

    EngineRun* run_;
    std::vector<std::string> written_;
    // While the run goes on, the job's files that were not there when it started.
    std::vector<std::string> newPaths_;
};

} // namespace plicora
