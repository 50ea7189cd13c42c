#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// "vimo-cli flights FILE.csv [FILE.csv ...] [--json] [--window SECONDS] [--launch-end SECONDS]": loads the files as
// render does and reports every flight of every data set: launch, launch end, landing, duration, ground level,
// start height and F5J penalty, highest altitude and the climbs.
int flightsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
