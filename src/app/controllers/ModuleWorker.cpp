#include "app/controllers/ModuleWorker.h"

#include "app/dialogs/Prompts.h"

#include <QWidget>
#include <chrono>
#include <exception>

namespace vimo {

template <class F>
void WorkerReporter::post(F&& f)
{
    QMetaObject::invokeMethod(&m_controller, std::forward<F>(f), Qt::QueuedConnection);
}

void WorkerReporter::clearMemo()
{
    post([c = &m_controller] { Q_EMIT c->memoCleared(); });
}

void WorkerReporter::memoLine(const QString& line)
{
    post([c = &m_controller, line] { Q_EMIT c->memoLine(line); });
}

void WorkerReporter::progress(int value, int total)
{
    post([c = &m_controller, value, total] { Q_EMIT c->progress(value, total); });
}

void WorkerReporter::progressDone()
{
    post([c = &m_controller] { Q_EMIT c->progressDone(); });
}

void WorkerReporter::status(StatusPanel panel, const QString& text)
{
    post([c = &m_controller, panel, text] { Q_EMIT c->status(panel, text); });
}

void WorkerReporter::showConnectPage()
{
    post([c = &m_controller] { Q_EMIT c->connectPageRequested(); });
}

bool WorkerReporter::cancelRequested()
{
    return m_controller.m_cancel;
}

void WorkerReporter::message(const QString& caption, const QString& text, MessageIcon icon)
{
    askOnWindowThread([c = &m_controller, caption, text, icon] {
        c->m_prompts.message(c->m_dialogParent, caption, text, icon);
        return true;
    });
}

bool WorkerReporter::confirm(const QString& caption, const QString& text)
{
    return askOnWindowThread(
        [c = &m_controller, caption, text] { return c->m_prompts.yesNo(c->m_dialogParent, caption, text); });
}

bool WorkerReporter::confirmNoByDefault(const QString& caption, const QString& text)
{
    return askOnWindowThread(
        [c = &m_controller, caption, text] { return c->m_prompts.yesNoDefaultNo(c->m_dialogParent, caption, text); });
}

bool WorkerReporter::askOnWindowThread(std::function<bool()> ask)
{
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> future = answer->get_future();
    // Queued behind the memo lines already sent, so the box appears after them.
    post([answer, ask = std::move(ask)] { answer->set_value(ask()); });
    while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (m_controller.m_shutdown)
            return false;
    }
    return future.get();
}

ModuleWorker::ModuleWorker(ModuleController& controller, ModuleController::LinkFactory makeLink, const Timing& timing)
    : m_controller(controller), m_makeLink(std::move(makeLink)), m_timing(timing), m_reporter(controller)
{
}

ModuleWorker::~ModuleWorker() = default;

void ModuleWorker::setUp()
{
    m_link = m_makeLink();
    m_session = std::make_unique<ModuleSession>(*m_link, m_reporter, sleepPause, m_timing);
}

void ModuleWorker::tearDown()
{
    m_session.reset();
    if (m_link)
        m_link->close();
    m_link.reset();
}

void ModuleWorker::run(const ModuleSnapshot& snapshot, const ModuleController::Job& job)
{
    ModuleSession& session = *m_session;
    session.state = snapshot.state;
    session.config = snapshot.config;
    session.interval = snapshot.interval;

    ModuleController::Finish finish;
    QString error;
    try {
        finish = job(session);
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    } catch (...) {
        error = QStringLiteral("An unexpected error occurred.");
    }
    if (!error.isNull() && error.isEmpty())
        error = QStringLiteral("An unexpected error occurred.");

    const ModuleSnapshot after{session.state, session.config, session.interval};
    QMetaObject::invokeMethod(
        &m_controller, [c = &m_controller, after, finish, error] { c->jobDone(after, finish, error); },
        Qt::QueuedConnection);
}

} // namespace vimo
