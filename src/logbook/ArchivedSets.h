#pragma once

#include "logbook/ArchivedRecording.h"

#include <QSet>
#include <QString>
#include <optional>
#include <vector>

namespace vimo {

struct ModuleIdentity;

// How many of a module's data sets the archive holds safely, told before "Erase Data".
struct ArchivedSets {
    bool counted = false; // the module's sets were counted ("Download Info") while it has been connected
    int total = 0;        // the module's sets
    int archived = 0;     // of them, the ones safely archived
};

// A set of the module counts as safely archived when the index holds a complete (not incomplete) file of that set
// number with the module's identity, among the files archived while the module has been connected
// (`archivedWhileConnected`, paths relative to the archive). An older file of the same set number is not enough:
// the module may have been erased since and that number may now hold another flight. `setCount` is empty when the
// sets were not counted.
ArchivedSets safelyArchivedSets(const std::vector<ArchivedRecording>& flights, const ModuleIdentity& identity,
                                std::optional<int> setCount, const QSet<QString>& archivedWhileConnected);

// The lines put before the erase question: what is not archived first, then how many sets are.
QString archivedSetsText(const ArchivedSets& sets);

} // namespace vimo
