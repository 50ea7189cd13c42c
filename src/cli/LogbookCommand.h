#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// "vimo-cli logbook [--json] [--archive DIR]": every archived flight, newest first; "logbook import DIR" copies
// and indexes the CSV files of DIR; "logbook rebuild" reads every file of the archive into its index again.
int logbookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
