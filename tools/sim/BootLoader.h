#pragma once

#include "SimModel.h"

namespace vimo::sim {

// The microcontroller's boot loader: it answers the synchronisation character "U" with "U", then takes records
// in Intel HEX syntax (":" LL AAAA TT data CC, without line ends), echoes each character, and answers each record
// with one status character: "." accepted, "X" checksum error, "R" write failure. Record types: 00 program data,
// 02 status byte (sub-function 03) or configuration byte (00), 04 erase the 64-byte page (sub-function 00), 08
// reset (no status; the firmware runs again).
class BootLoader {
public:
    // Takes one byte that arrived at `nowMs` and appends the reply bytes to `out`.
    void receive(char byte, qint64 nowMs, SimModel& model, QByteArray& out);

    // Forgets the synchronisation and any partial record (the boot loader starts afresh).
    void restart();

private:
    void finishRecord(SimModel& model, QByteArray& out);
    static char execute(const QByteArray& bytes, SimModel& model);
    BootFault faultFor(int recordIndex, const SimFaults& faults) const;

    bool m_synced = false;
    QByteArray m_record;
    BootFault m_fault = BootFault::None; // the fault that hits the record being received
    int m_recordIndex = 0;
    qint64 m_lastByteMs = 0;
};

} // namespace vimo::sim
