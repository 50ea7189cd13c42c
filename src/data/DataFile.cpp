#include "data/DataFile.h"

#include "data/Plot.h"

#include "data/UserFile.h"

#include <QDir>
#include <QFileInfo>

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
    ReadReport unused;
    ReadReport& into = report ? *report : unused;
    const int before = plot.signals.size();
    const int sets = readDataFile(bytes, plot, &into);
    if (sets < 0 && reason)
        *reason = notDataFileReason();
    const QString source = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int k = before; k < plot.signals.size(); ++k)
        plot.signals.at(k).sourceFile = source;
    return sets;
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
