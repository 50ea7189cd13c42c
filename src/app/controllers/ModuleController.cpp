#include "app/controllers/ModuleController.h"

#include "app/controllers/ModuleWorker.h"
#include "app/dialogs/Prompts.h"

#include <QThread>
#include <QWidget>

namespace vimo {

ModuleController::ModuleController(QWidget* dialogParent, Prompts& prompts, LinkFactory makeLink, const Timing& timing)
    : m_dialogParent(dialogParent), m_prompts(prompts), m_thread(new QThread)
{
    if (!makeLink)
        makeLink = [] { return std::make_unique<SerialLink>(); };
    m_module.config.baseInterval = ModuleSession::kDefaultBaseInterval;
    m_thread->setObjectName(QStringLiteral("ModuleWorker"));
    m_worker = new ModuleWorker(*this, std::move(makeLink), timing);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->setUp(); }, Qt::QueuedConnection);
}

ModuleController::~ModuleController()
{
    // A question the worker waits on answers No; a download stops at its next word. Then the port is closed on
    // the thread that owns it, and the thread ends.
    m_shutdown = true;
    m_cancel = true;
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->tearDown(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

bool ModuleController::start(Job job)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_cancel = false;
    Q_EMIT busyChanged(true);
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, snapshot = m_module, job = std::move(job)] { w->run(snapshot, job); },
        Qt::QueuedConnection);
    return true;
}

void ModuleController::jobDone(const ModuleSnapshot& snapshot, const Finish& finish, const QString& error)
{
    m_module = snapshot;
    m_busy = false;
    Q_EMIT busyChanged(false);
    if (!error.isNull())
        Q_EMIT failed(error);
    else if (finish)
        finish();
}

} // namespace vimo
