#pragma once

#include <cstdint>

namespace vimo {

// The time limits of the module's and the boot loader's replies and the pauses their protocols prescribe, in
// milliseconds. A default-constructed value holds the real ones, which the programs use. The tests of the window and
// the CLI hand in a short one, so that an exchange that sits out a limit (a module that does not answer, the restart
// after "Reset Module") costs a fraction of a second; the protocol tests keep the real one.
struct Timing {
    // Replies of the module.
    std::uint32_t identityLineMs = 1000;  // each line of the "v" reply
    std::uint32_t setLineMs = 300;        // each line of the "s" reply; the list ends when none comes
    std::uint32_t configMs = 5000;        // the 28-byte configuration record
    std::uint32_t variantMs = 1000;       // the "M" byte
    std::uint32_t headerMs = 2500;        // a data set's header
    std::uint32_t wordMs = 500;           // each word of a data set
    std::uint32_t wordAfterMarkMs = 1000; // the sample after a trigger mark

    // Pauses of the module commands.
    int beforeConfigRecordMs = 40;   // between "c" and the record
    int beforeSetIndexMs = 20;       // between "a" and the set index
    int resetDefaultsSettleMs = 200; // after "*", before the configuration is read again
    int calibrateSettleMs = 1500;    // after "$"
    int calibrateByteMs = 50;        // after each altitude byte
    int calibrateDoneMs = 200;       // before the configuration is read again
    int resetModuleSettleMs = 4000;  // after "R": the module restarts

    // The boot loader.
    std::uint32_t echoMs = 1000;  // the echo of a record
    std::uint32_t replyMs = 1000; // a status character, or "U" when synchronising
    int programModeMs = 100;      // after "P", before the port is opened at the boot loader's speed
    int breakMs = 200;            // the break that starts the boot loader
    int afterBreakMs = 500;
    int beforeResetMs = 500; // before the reset record
};

} // namespace vimo
