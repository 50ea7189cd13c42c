#pragma once

#include "base/ModuleReporter.h"
#include "base/Pause.h"
#include "base/Timing.h"
#include "link/OpenError.h"
#include "link/SerialLink.h"
#include "module/IntervalEditor.h"
#include "module/ModuleConfig.h"

#include <QString>

namespace vimo {

// The module's identity from the "v" reply; kept for the display only.
struct ModuleIdentity {
    QString deviceName;      // at most 256 characters
    QString model;           // at most 256
    QString softwareVersion; // at most 10
    QString softwareDate;    // at most 20
};

// What the program knows about the module between exchanges.
struct ModuleState {
    bool connected = false; // a port is open for the module
    bool f5jModule = false; // the module answered the variant query with a non-zero byte
    int setCount = 0;       // data sets reported by the last "Download Info", 0..256
    int selectedSet = 0;    // row of the data set box at the last "Download Data"
    int configReads = 0;    // configuration records received so far: a caller sees whether a read came
    ModuleIdentity identity;
};

// One module connection with everything the module exchanges work on: the link, the reporter, the module state,
// the configuration record and the interval editor. The program has one; it lives on the thread that owns the
// link.
class ModuleSession {
public:
    // The base interval before any configuration was read (the settings may restore another).
    static constexpr std::uint16_t kDefaultBaseInterval = 100;

    ModuleSession(SerialLink& link, ModuleReporter& reporter, Pause pause = sleepPause, const Timing& timing = {});

    SerialLink& link;
    ModuleReporter& reporter;
    Pause pause;
    const Timing timing; // the time limits of the replies and the pauses of the commands

    ModuleState state;
    ModuleConfig config;
    IntervalEditor interval;

    // When not connected: clears the memo, writes "Not Connected" (and, with showPage, brings the
    // "Connect / Download" page forward) and returns false.
    bool requireConnection(bool showPage);

    // Discards stray input, then sends the command byte.
    void sendCommand(char command);
    // Sends bytes as they are (no drain).
    void sendRaw(char byte);

    // Normalises the interval editor and returns what it shows, with the current memory size.
    IntervalDisplay showRecordInterval();

    // When the port disappeared (an adapter pulled out), the session is no longer connected: the memo and the
    // status panel say so. Called at the end of every exchange.
    void noteLostPort();
};

// Put at the start of an exchange: when the port is lost during it, the session notes it at the end.
class ExchangeScope {
public:
    explicit ExchangeScope(ModuleSession& session) : m_session(session) {}
    ~ExchangeScope() { m_session.noteLostPort(); }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    ModuleSession& m_session;
};

// Opens the module's port ("Connect"): on success the session is connected, the status panel says "Connected"
// and the configuration is read. A port that cannot be opened shows "Unable to open Serial Port" with the
// reason in a message box and changes nothing; so does an empty path (no port selected). Returns whether the port
// opened. Without `readConfig` the configuration is left as it is (for a command that does not need it).
bool connectModule(ModuleSession& session, const QString& devicePath, qint32 baud, bool readConfig = true);

// Closes the port ("Disconnect", a speed change, the start of a firmware update).
void disconnectModule(ModuleSession& session);

} // namespace vimo
