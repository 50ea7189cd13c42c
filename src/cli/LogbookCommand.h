#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// "vimo-cli logbook [--json | --flights] [--model NAME] [--archive DIR]": every archived recording (or flight),
// newest first; "logbook import DIR" copies and indexes the CSV files of DIR; "logbook rebuild" reads every file of
// the archive into its index again; "logbook model NAME FILE..." names the model aircraft of archived files.
int logbookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
