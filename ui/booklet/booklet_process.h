#pragma once

#include "core/booklet_job.h"

#include <QObject>
#include <QStringList>

class QProcess;

namespace plicora {

// One run of the booklet engine as a child process, so that no document can freeze or end the
// window. It reports what the engine prints as it comes, and exactly one outcome per run.
class BookletProcess : public QObject {
    Q_OBJECT

public:
    // Runs the engine at `engine`.
    BookletProcess(const QString& engine, QObject* parent);
    ~BookletProcess() override;

    // Starts `job`, cancelling a run still going.
    void start(BookletJob job);

    // Ends the run at once, reporting nothing; no file of it is left behind.
    void cancel();

Q_SIGNALS:
    // The engine has laid out `done` of the booklet's `total` pages.
    void progressed(int done, int total);
    // The booklet is written, in these files.
    void succeeded(const QStringList& paths);
    // The run failed; `message` is in Italian, ready for the user.
    void failed(const QString& message);

private:
    void readOutput();
    void onFinished(int exitCode, int exitStatus);
    void onStartFailed();
    void end();

    QString engine_;
    QProcess* process_ = nullptr;
    QStringList written_;
};

} // namespace plicora
