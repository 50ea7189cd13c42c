#pragma once

#include "SimModel.h"
#include "SimProtocol.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vimo::sim {

// A simulated module on a pseudo-terminal. start() creates the terminal pair and serves the module's protocol on
// its own thread until stop(); the host opens devicePath() like a serial port. Every byte received is recorded
// (received(), and the log file when one is given). With `pace` the replies leave at the speed of a real line, 10
// bits a byte at the line's baud rate, and the host's bytes reach the module at that speed too.
//
// All public functions may be called from any thread.
class SimModule {
public:
    explicit SimModule(const SimOptions& options = {});
    ~SimModule();
    SimModule(const SimModule&) = delete;
    SimModule& operator=(const SimModule&) = delete;

    // Creates the pseudo-terminal (and the link and log file, when asked for) and starts serving.
    bool start(QString* error = nullptr);
    // Stops serving and closes the pseudo-terminal; the link is removed.
    void stop();
    bool isRunning() const { return m_running.load(); }

    // The slave side of the pseudo-terminal, such as /dev/pts/3.
    QString devicePath() const { return m_devicePath; }

    // Closes the pseudo-terminal at once, as if the adapter had been pulled out: the host's port hangs up.
    void hangUp();

    // Every byte received since the start (or the last clearReceived()). A byte counts as received once the module
    // has acted on it, so what the model shows after waitForReceived() includes its effect.
    QByteArray received() const;
    void clearReceived();
    // Waits until at least `count` bytes were received; false when `timeoutMs` passed first.
    bool waitForReceived(qsizetype count, int timeoutMs) const;

    // Reads or changes the module's state while the protocol thread holds still.
    template <typename F>
    auto withModel(F&& f)
    {
        std::lock_guard lock(m_mutex);
        return f(m_model);
    }
    SimModel model() const;
    void setFaults(const SimFaults& faults);

private:
    void run();
    void closeTerminal();
    void record(const char* bytes, qsizetype count);
    long pacedByteNanos() const;

    SimOptions m_options;
    SimModel m_model;
    SimProtocol m_protocol; // used by the serving thread only, under m_mutex
    QString m_devicePath;
    int m_master = -1;
    int m_slave = -1; // held open so the terminal outlives the host closing and reopening it
    int m_wake[2] = {-1, -1};
    int m_log = -1;
    bool m_madeLink = false;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_hangUp{false};

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_receivedChanged;
    QByteArray m_received;
};

} // namespace vimo::sim
