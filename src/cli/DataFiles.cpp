#include "cli/DataFiles.h"

#include "data/DataFile.h"
#include "data/NativeName.h"
#include "data/Plot.h"

#include <QTextStream>

namespace vimo::cli {

bool loadDataFileReporting(const char* command, const QString& file, Plot& plot, QTextStream& err, int* added)
{
    QString reason;
    datafile::ReadReport report;
    const int sets = datafile::loadDataFile(file, plot, &reason, &report);
    const QString shown = nativename::shown(file);
    if (sets < 0) {
        err << "vimo-cli " << command << ": "
            << (report.notDataFile
                    ? QString(shown + QStringLiteral(": ") + reason)
                    : QString(unableToOpenMessage(shown) + QStringLiteral(" (") + reason + QLatin1Char(')')))
            << '\n';
        return false;
    }
    for (const QString& warning : report.warnings())
        err << "vimo-cli " << command << ": warning: " << shown << ": " << warning << '\n';
    if (added)
        *added = sets;
    return true;
}

bool loadDataFilesReporting(const char* command, const QStringList& files, Plot& plot, QTextStream& err,
                            const std::function<void(const QString& file, int first, int count)>& loaded)
{
    for (const QString& file : files) {
        const int first = plot.signals.size();
        int added = 0;
        if (!loadDataFileReporting(command, file, plot, err, &added))
            return false;
        if (loaded)
            loaded(nativename::shown(file), first, added);
    }
    return true;
}

} // namespace vimo::cli
