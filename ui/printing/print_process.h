#pragma once

#include "engine/engine_protocol.h"

#include <QList>
#include <QObject>

#include <string>
#include <vector>

namespace plicora {

class EngineRun;

// One run of the booklet engine, listing printers or printing a booklet. Each run reports
// exactly one outcome.
class PrintProcess : public QObject {
    Q_OBJECT

public:
    // Runs the engine at `engine`.
    PrintProcess(const QString& engine, QObject* parent);

    // Lists the printers CUPS knows: printersListed() or failed().
    void listPrinters();
    // Asks what printer `name` can do (it may wait a few seconds on the network):
    // printerDescribed() or failed().
    void describePrinter(const std::string& name);
    // Prints `job` (its printer named, progress asked): jobChanged() for each state, and
    // backsAwaited() before the backs of a booklet printed by hand; then printed() or failed().
    void print(BookletJob job);
    // After backsAwaited(): sends the backs.
    void continueWithBacks();
    // Ends the run at once, reporting nothing; whatever was not yet sent is not sent.
    void cancel();

Q_SIGNALS:
    // The printers CUPS knows, the default one marked.
    void printersListed(const QList<Printer>& printers);
    // What the printer asked of can do.
    void printerDescribed(const Printer& printer);
    // A job CUPS took is in a new state, or CUPS says something new of its printer.
    void jobChanged(const engine::JobStatus& status);
    // The fronts are printed: the user puts the stack back, then continueWithBacks() or cancel().
    void backsAwaited();
    // Every job of the booklet is with CUPS, printing or printed.
    void printed();
    // The run failed; `message` is in Italian, ready for the user.
    void failed(const QString& message);

private:
    void onLineRead(const std::string& line);

    // What the engine was started for.
    enum class Run { List, Describe, Print };

    void start(Run kind, const std::vector<std::string>& arguments);
    void onSucceeded();

    EngineRun* run_;
    Run kind_ = Run::Print;
    QList<Printer> printers_;
};

} // namespace plicora
