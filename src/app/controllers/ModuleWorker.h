#pragma once

#include "app/controllers/ModuleController.h"
#include "base/ModuleReporter.h"
#include "link/SerialLink.h"

#include <QObject>
#include <future>
#include <memory>

namespace vimo {

// The reporter of the worker thread: forwards every call to the window thread in order. Message boxes and
// questions wait for the user's answer (a question answers No when the program shuts down meanwhile).
class WorkerReporter : public ModuleReporter {
public:
    explicit WorkerReporter(ModuleController& controller) : m_controller(controller) {}

    void clearMemo() override;
    void memoLine(const QString& line) override;
    void message(const QString& caption, const QString& text, MessageIcon icon) override;
    bool confirm(const QString& caption, const QString& text) override;
    bool confirmNoByDefault(const QString& caption, const QString& text) override;
    void progress(int value, int total) override;
    void progressDone() override;
    void status(StatusPanel panel, const QString& text) override;
    void showConnectPage() override;
    bool cancelRequested() override;

private:
    // Runs `ask` on the window thread and waits for its answer.
    bool askOnWindowThread(std::function<bool()> ask);
    template <class F>
    void post(F&& f);

    ModuleController& m_controller;
};

// Lives on the worker thread: owns the serial link and the module session and runs the jobs.
class ModuleWorker : public QObject {
    Q_OBJECT
public:
    ModuleWorker(ModuleController& controller, ModuleController::LinkFactory makeLink, const Timing& timing);
    ~ModuleWorker() override;

    // On the worker thread: makes the link and the session.
    void setUp();
    // On the worker thread: closes the port and releases the link.
    void tearDown();
    // On the worker thread: runs one job with the window's snapshot and hands the result back.
    void run(const ModuleSnapshot& snapshot, const ModuleController::Job& job);

private:
    ModuleController& m_controller;
    ModuleController::LinkFactory m_makeLink;
    Timing m_timing;
    WorkerReporter m_reporter;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<ModuleSession> m_session;
};

} // namespace vimo
