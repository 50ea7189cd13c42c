#pragma once

#include "logbook/ArchivedRecording.h"

#include <vector>

class QTextStream;

namespace vimo {
class Logbook;
}

namespace vimo::cli {

// The ways "vimo-cli logbook" lists the archive: one line per recording, one line per flight, or JSON (one object
// per recording with its flights).
void printRecordings(const std::vector<ArchivedRecording>& recordings, QTextStream& out);
void printFlights(const std::vector<ArchivedRecording>& recordings, QTextStream& out);
void printJson(const Logbook& logbook, const std::vector<ArchivedRecording>& recordings, QTextStream& out);

} // namespace vimo::cli
