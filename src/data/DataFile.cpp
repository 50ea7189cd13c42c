#include "data/DataFile.h"

#include "data/Plot.h"

#include <QFile>

namespace vimo::datafile {

SaveStatus saveDataSetFile(const QString& path, const Plot& plot, int k, QString* reason)
{
    if (!plot.signals.isValidIndex(k)) {
        if (reason)
            *reason = noDataSetMessage();
        return SaveStatus::NoDataSet;
    }
    return saveBytes(path, dataSetFileBytes(plot, k), reason);
}

SaveStatus savePlotFile(const QString& path, const Plot& plot, QString* reason)
{
    return saveBytes(path, plotFileBytes(plot), reason);
}

int loadDataFile(const QString& path, Plot& plot, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return -1;
    }
    // A device or pipe (for example /dev/zero) may never end: only files are read.
    if (file.isSequential()) {
        if (reason)
            *reason = QStringLiteral("Not a regular file");
        return -1;
    }
    // Once open, reading never fails: whatever could be read is loaded.
    const QByteArray bytes = file.readAll();
    return readDataFile(bytes, plot);
}

QString suggestedDataSetFileName(const QDate& date, int selectedSet)
{
    return QStringLiteral("Alt_%1_%2.csv").arg(date.toString(QStringLiteral("yyyy-MM-dd"))).arg(selectedSet + 1);
}

QString suggestedPlotFileName(const QDate& date)
{
    return QStringLiteral("Plot_%1.csv").arg(date.toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace vimo::datafile
