#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vimo::sim {

// A flight as the simulator flew it, seconds from the data set's first sample, altitudes in the data set's unit: what
// an analysis of the downloaded data set should find.
struct SimFlight {
    double launch = 0;             // the last sample before the climb began
    std::optional<double> landing; // the first sample after the touchdown; none when the recording ends in the air
    double highest = 0;            // the highest sample between the two
};

// One recorded data set as the module holds it: the header fields and the 16-bit words that follow the header on
// the wire (altitude samples, and trigger marks 0x82xx each followed by the sample taken at the trigger), and the
// flights the samples hold.
struct SimDataSet {
    quint16 interval = 10; // sampling interval in multiples of the base interval
    bool triggerData = false;
    std::vector<quint16> words;
    std::vector<SimFlight> flights;
};

// The 28-byte configuration record exactly as the module stores and sends it (16-bit fields big-endian).
using ConfigRecord = std::array<quint8, 28>;

// Byte offsets of the record's fields.
namespace field {
inline constexpr int kSignature = 0, kIntervalTicks = 2, kUnits = 4, kBlankDisplay = 5, kBaseInterval = 6,
                     kReserved1 = 8, kReserved2 = 10, kReverseTrigger = 12, kRecordTrigger = 13, kStartSeconds = 14,
                     kStopSeconds = 16, kStartAltitude = 18, kStopAltitude = 20, kAutoStart = 22, kAutoStop = 23,
                     kAutoZero = 24, kModuleVersion = 25, kMemorySize = 26, kReserved3 = 27;
}

quint16 get16(const ConfigRecord& record, int offset);
void set16(ConfigRecord& record, int offset, quint16 value);

// The record a module holds after "reset defaults"; the F5J variant carries throttle cut-off settings in the
// auto start/stop fields.
ConfigRecord defaultConfig(bool f5j);

// How the boot loader misbehaves on the records it is given.
enum class BootFault {
    None,
    ChecksumError, // answers "X"
    WriteFailure,  // answers "R"
    Silent,        // echoes the record but sends no status character
    NoEcho,        // echoes nothing but accepts the record with "."
    NoSync,        // never answers the synchronisation character
};

// Ways the simulated module can be told to misbehave.
struct SimFaults {
    bool noHeader = false;          // "a" gets no reply at all
    int silenceAfterWords = -1;     // "a" falls silent after this many words (-1: sends them all)
    bool wordCountZero = false;     // the set header announces 0 words
    int shortConfigBytes = -1;      // "r" sends only this many of the 28 bytes (-1: all)
    bool noVariantReply = false;    // "M" gets no reply
    bool keepConfigOnWrite = false; // "c" takes its 28 bytes but the configuration stays as it was, like a
                                    // module whose memory refuses the write
    int hangUpAfterBytes = -1;      // the line goes dead (the pseudo-terminal is closed) 100 ms after this many
                                    // bytes were sent (-1: never), like an adapter pulled out mid-exchange
    BootFault bootFault = BootFault::None;
    int bootFaultFrom = 0;   // the first record (counted from 0 after synchronisation) the fault hits
    int bootFaultCount = -1; // how many records it hits (-1: all from bootFaultFrom on)
};

// The simulated module's identity and start-up state.
struct SimOptions {
    SimFaults faults;
    bool f5j = false;          // the F5J variant ("M" answers 1)
    bool blank = false;        // no firmware: the boot loader runs from the start
    bool erasedConfig = false; // every configuration byte 0xFF, as an erased module answers
    int sets = 3;              // data sets generated at start
    int words = 1200;          // words per generated data set
    quint32 seed = 1;          // the flights' random seed
    bool pace = false;         // keep the timing of a real line (10 bits a byte)
    int baud = 0;              // the paced rate; 0 follows the rate the host set on the line
    int restartMs = 1500;      // how long "R" leaves the module deaf while it restarts
    QString linkPath;          // a symbolic link to the device, made at start and removed at stop (optional)
    QString logPath;           // every byte received is appended to this file (optional)
};

// The four identity lines of the "v" reply.
QList<QByteArray> defaultIdentity(bool f5j);

// Size of the program memory the boot loader writes, in bytes.
inline constexpr int kProgramMemory = 7616;

} // namespace vimo::sim
