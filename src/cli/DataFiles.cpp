#include "cli/DataFiles.h"

#include "data/DataFile.h"

#include <QTextStream>

namespace vimo::cli {

bool loadDataFileReporting(const char* command, const QString& file, Plot& plot, QTextStream& err, int* added)
{
    QString reason;
    datafile::ReadReport report;
    const int sets = datafile::loadDataFile(file, plot, &reason, &report);
    if (sets < 0) {
        err << "vimo-cli " << command << ": " << unableToOpenMessage(file) << " (" << reason << ")\n";
        return false;
    }
    for (const QString& warning : report.warnings())
        err << "vimo-cli " << command << ": warning: " << file << ": " << warning << '\n';
    if (added)
        *added = sets;
    return true;
}

} // namespace vimo::cli
