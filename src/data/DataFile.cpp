#include "data/DataFile.h"

#include "data/Plot.h"

#include "data/UserFile.h"

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

int loadDataFile(const QString& path, Plot& plot, QString* reason, ReadReport* report)
{
    QByteArray bytes;
    QString problem;
    if (!readUserFile(path, -1, bytes, problem)) {
        if (reason)
            *reason = problem;
        return -1;
    }
    return readDataFile(bytes, plot, report);
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
