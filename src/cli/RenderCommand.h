#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// vimo-cli render FILE.csv [FILE.csv ...] --out IMAGE [--width INCHES] [--height INCHES] [--mono]
// Loads the data files as the window's Load does (without the start-up data set) and exports the plot as Export
// does, in the format of the output's extension. Needs a QGuiApplication.
int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
