#pragma once

#include <QtGlobal>
#include <array>
#include <csignal>

namespace vimo::cli {

// While alive, SIGINT (Ctrl+C), SIGTERM and SIGHUP do not end the program at once: the signal is noted, and a long
// exchange that polls caught() (a download, through the reporter's cancel request) stops at its next step, so
// that what arrived can still be kept. The previous handlers come back when it ends.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The number of the signal caught, 0 while none was.
    static int caught();

    // The exit status of a program that a signal ended: 128 + its number (130 for SIGINT, 143 for SIGTERM, 129 for
    // SIGHUP).
    static int exitCode(int signal) { return 128 + signal; }

private:
#ifdef Q_OS_UNIX
    std::array<struct sigaction, 3> m_previous{};
#else
    std::array<void (*)(int), 2> m_previous{};
#endif
};

} // namespace vimo::cli
