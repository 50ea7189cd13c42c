#pragma once

#include "SimModel.h"

namespace vimo::sim {

// The module's own command set: one-byte commands, some followed by argument bytes, answered with text lines or
// big-endian binary records. Incomplete commands are dropped when their next byte does not come in time.
class FirmwareCommands {
public:
    // Takes one byte that arrived at `nowMs` and appends the reply bytes to `out`.
    void receive(char byte, qint64 nowMs, SimModel& model, QByteArray& out);

private:
    enum class Await { Command, SetIndex, ConfigRecord, CalibrationT, CalibrationBytes };

    void command(char byte, qint64 nowMs, SimModel& model, QByteArray& out);
    static void sendDataSet(int index, const SimModel& model, QByteArray& out);
    static qint64 patienceMs(Await await);

    Await m_await = Await::Command;
    QByteArray m_partial;
    qint64 m_lastByteMs = 0;
    qint64 m_deafUntilMs = -1;
};

} // namespace vimo::sim
