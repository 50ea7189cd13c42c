#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// vimo-cli join FILE.csv [FILE.csv ...] --out PLOT.csv
// Loads the data files as the window's Load does (without the start-up data set) and writes them as Save with
// "Plot and All Data Sets" does: one plot file, every data set in the unit it was recorded in. The visible range is
// that of the last plot file given, or scaled to the data.
int joinCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
