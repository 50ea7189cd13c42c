#include "cli/StopSignals.h"

#include <atomic>

namespace vimo::cli {
namespace {

// Written by the signal handler, read by the exchange on whichever thread polls it. A lock-free atomic is safe
// to write from a handler and to read from another thread; a plain volatile is not (a data race).
std::atomic<int> g_caught{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void noteSignal(int signal)
{
    g_caught.store(signal, std::memory_order_relaxed);
}

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
#else
constexpr std::array<int, 2> kSignals = {SIGINT, SIGTERM};
#endif

} // namespace

StopSignals::StopSignals()
{
    g_caught = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
#ifdef Q_OS_UNIX
        struct sigaction action {};
        action.sa_handler = noteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: a blocking wait returns early and the exchange looks at the flag
        sigaction(kSignals[i], &action, &m_previous[i]);
#else
        m_previous[i] = std::signal(kSignals[i], noteSignal);
#endif
    }
}

StopSignals::~StopSignals()
{
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
#ifdef Q_OS_UNIX
        sigaction(kSignals[i], &m_previous[i], nullptr);
#else
        std::signal(kSignals[i], m_previous[i]);
#endif
    }
}

int StopSignals::caught()
{
    return g_caught.load(std::memory_order_relaxed);
}

} // namespace vimo::cli
