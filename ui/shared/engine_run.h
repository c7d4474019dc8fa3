#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QProcess;

namespace plicora {

// One run of the booklet engine as a child process, so that no document, printer or slow CUPS
// answer can freeze or end a window. It hands over each line the engine writes on its standard
// output as it comes, and reports exactly one outcome a run.
class EngineRun : public QObject {
    Q_OBJECT

public:
    // Runs the engine at `engine`.
    EngineRun(const QString& engine, QObject* parent);
    ~EngineRun() override;

    // Starts the engine with `arguments`, cancelling a run still going.
    void start(const std::vector<std::string>& arguments);
    // Writes `line` and a line end to the engine's standard input, while it runs.
    void writeLine(std::string_view line);
    // Ends the run, reporting nothing. The engine is asked to stop first, so that it removes the
    // files it has not yet put in place.
    void cancel();

Q_SIGNALS:
    // A line of the engine's standard output, without its line end.
    void lineRead(const std::string& line);
    // The engine ended well.
    void succeeded();
    // The run failed; `message` is in Italian, ready for the user.
    void failed(const QString& message);

private:
    void readOutput();
    void onFinished(int exitCode, int exitStatus);
    void end();

    QString engine_;
    QProcess* process_ = nullptr;
};

} // namespace plicora
