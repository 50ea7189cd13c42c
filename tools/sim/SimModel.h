#pragma once

#include "SimTypes.h"

#include <optional>

namespace vimo::sim {

// Everything the simulated module holds: what it answers with, and what it was told.
struct SimModel {
    QList<QByteArray> identity; // the four "v" lines, without line ends
    ConfigRecord config{};
    bool f5j = false;
    std::vector<SimDataSet> sets;
    SimFaults faults;
    int restartMs = 1500;

    // What the host did.
    std::optional<qint16> calibration; // the reference altitude of the last complete "$" "t" sequence
    bool liveOutput = false;           // "l" was received
    int restarts = 0;                  // "R" commands received
    int erases = 0;                    // "x" commands received

    // The boot loader and the program memory it writes.
    bool inBootLoader = false;
    QByteArray programMemory = QByteArray(kProgramMemory, char(0xFF));
    quint8 bootStatusByte = 0;
    quint8 bootConfigByte = 0;
    QList<QByteArray> bootRecords; // every complete record received, as text
    int syncs = 0;                 // synchronisation characters received

    static SimModel fromOptions(const SimOptions& options);
};

} // namespace vimo::sim
