#pragma once

#include "module/ModuleSession.h"

#include <QStringList>
#include <optional>

namespace vimo {

// What "Download Info" leaves for the window.
struct DownloadInfoResult {
    bool complete = true;    // all four identity lines came in time
    QStringList setRows;     // the data set box: "1" .. setCount, then "All"; empty for no sets
    bool setsRead = true;    // false when a failed reply left the set count (and so the box) as it was
    int selectedRow = 0;     // row selected afterwards
    QString firmwareVersion; // for the firmware version label
    IntervalDisplay interval;
};

// "Download Info": reads the identity ("v") and the set list ("s") into the session state and writes the eight
// information lines to the memo. With `simulate` it takes fixed values and needs no connection. When the
// identity reply is incomplete, "No Reply from Target" stays the first memo line, above the information lines.
// Nothing when not connected.
std::optional<DownloadInfoResult> downloadInfo(ModuleSession& session, bool simulate);

} // namespace vimo
