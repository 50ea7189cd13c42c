#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// vimo-cli render FILE.csv [FILE.csv ...] --out IMAGE [--width INCHES] [--height INCHES] [--mono] [--unit m|ft]
// Loads the data files as the window's Load does (without the start-up data set) and exports the plot as Export
// does, in the format of the output's extension, the altitude axis in the unit of the first file that names one
// or in the unit asked for. Needs a QGuiApplication.
int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
