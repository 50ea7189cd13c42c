#pragma once

#include "BootLoader.h"
#include "FirmwareCommands.h"

namespace vimo::sim {

// What the simulated module does with each byte it receives: the firmware's command set, or the boot loader once
// the firmware handed over to it ("P") or when there is no firmware.
class SimProtocol {
public:
    void receive(char byte, qint64 nowMs, SimModel& model, QByteArray& out)
    {
        if (!model.inBootLoader) {
            m_firmware.receive(byte, nowMs, model, out);
            if (model.inBootLoader)
                m_bootLoader.restart();
            return;
        }
        m_bootLoader.receive(byte, nowMs, model, out);
    }

private:
    FirmwareCommands m_firmware;
    BootLoader m_bootLoader;
};

} // namespace vimo::sim
