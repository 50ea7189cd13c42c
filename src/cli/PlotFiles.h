#pragma once

#include <QStringList>

class QTextStream;

namespace vimo {
struct Plot;
}

namespace vimo::cli {

// Loads the files in order into the plot as "Load" does (each as loadDataFilesReporting does). The visible range is
// that of the last plot file among them; an axis that no file gave a range (data set files alone) is scaled
// automatically, as after a download, so that the flights fill the view. Returns false, with the reason on `err`,
// when a file cannot be read.
bool loadPlotFiles(const char* command, const QStringList& files, Plot& plot, QTextStream& err);

} // namespace vimo::cli
