#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

namespace vimo {
struct Plot;
}

namespace vimo::cli {

// Loads a data file the user named into the plot, as "Load" does. A file that cannot be read is reported on `err`
// with its name and the reason, and false is returned; lines that could not be read, data sets cut short or
// refused are reported on `err` as warnings naming the file, and the data still loads. `command` names the
// command in the messages ("stats"). `added`, when given, receives how many data sets the file added.
bool loadDataFileReporting(const char* command, const QString& file, Plot& plot, QTextStream& err,
                           int* added = nullptr);

// Loads the files in order into the plot, each as loadDataFileReporting does, and calls `loaded` (when set) after
// each file with its name as shown (a byte that is not UTF-8 as \xNN) and the plot indices first..first+count-1 of
// the data sets it added. Stops at the first
// file that cannot be read and returns false.
bool loadDataFilesReporting(const char* command, const QStringList& files, Plot& plot, QTextStream& err,
                            const std::function<void(const QString& file, int first, int count)>& loaded = {});

} // namespace vimo::cli
