#pragma once

#include "base/ModuleReporter.h"
#include "module/IntervalEditor.h"
#include "module/ModuleConfig.h"
#include "module/ModuleSession.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

class QThread;
class QWidget;

namespace vimo {

class Prompts;
class SerialLink;

// What the window knows of the module between exchanges: a copy of the session's state, configuration record and
// interval editor. The window's controls edit it while no exchange runs; each exchange takes it along and brings
// it back.
struct ModuleSnapshot {
    ModuleState state;
    ModuleConfig config;
    IntervalEditor interval;
};

class ModuleWorker;

// Runs the module and firmware exchanges on a worker thread that owns the serial link, one at a time.
//
// The window starts an exchange with start(): a job that runs on the worker thread with the module session and
// returns what to do afterwards on the window thread. Memo lines, progress, status texts and page requests arrive
// as signals in the order the exchange made them; message boxes and questions are shown on the window thread
// while the worker waits for the answer. An exception thrown by a job ends that exchange and arrives as
// failed(); it never crosses the event loop.
class ModuleController : public QObject {
    Q_OBJECT
public:
    using Finish = std::function<void()>;
    using Job = std::function<Finish(ModuleSession&)>;
    using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

    // `dialogParent` owns the boxes that exchanges show; `prompts` shows them. The exchanges run with `timing`.
    ModuleController(QWidget* dialogParent, Prompts& prompts, LinkFactory makeLink = {}, const Timing& timing = {});
    ~ModuleController() override;

    // The window's copy of the module state; change it only while no exchange runs.
    ModuleSnapshot& module() { return m_module; }
    const ModuleSnapshot& module() const { return m_module; }

    bool busy() const { return m_busy; }

    // Starts `job` unless another exchange runs (then it returns false and nothing happens).
    bool start(Job job);

    // Asks a running download to stop at its next word.
    void cancel() { m_cancel = true; }

Q_SIGNALS:
    void busyChanged(bool busy);
    void memoCleared();
    void memoLine(const QString& line);
    void progress(int value, int total);
    void progressDone();
    void status(vimo::StatusPanel panel, const QString& text);
    void connectPageRequested();
    // A job threw; the exchange has ended.
    void failed(const QString& what);

private:
    friend class ModuleWorker;
    friend class WorkerReporter;

    // Called on the window thread when a job has ended.
    void jobDone(const ModuleSnapshot& snapshot, const Finish& finish, const QString& error);

    QPointer<QWidget> m_dialogParent;
    Prompts& m_prompts;
    ModuleSnapshot m_module;
    bool m_busy = false;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_shutdown{false};
    QThread* m_thread;
    ModuleWorker* m_worker;
};

} // namespace vimo
