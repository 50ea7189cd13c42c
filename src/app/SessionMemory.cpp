#include "app/SessionMemory.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vimo {
namespace {

const QString kGroup = QStringLiteral("Session");
const QString kRecentFiles = QStringLiteral("RecentFiles");
const QString kLoadFolder = QStringLiteral("LoadFolder");
const QString kSaveFolder = QStringLiteral("SaveFolder");
const QString kExportFolder = QStringLiteral("ExportFolder");
const QString kLegend = QStringLiteral("Legend");
const QString kLegendInOutput = QStringLiteral("LegendInOutput");
const QString kFlightsTable = QStringLiteral("FlightsTable");
const QString kFlightMarks = QStringLiteral("FlightMarks");
const QString kFlightMarksInOutput = QStringLiteral("FlightMarksInOutput");

} // namespace

QStringList withRecentFile(QStringList files, const QString& path)
{
    if (path.isEmpty())
        return files;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > SessionMemory::kMaxRecentFiles)
        files.removeLast();
    return files;
}

SessionMemory readSessionMemory(QSettings& store)
{
    SessionMemory memory;
    store.beginGroup(kGroup);
    QStringList recent = store.value(kRecentFiles).toStringList();
    recent.removeAll(QString());
    memory.recentFiles = recent.mid(0, SessionMemory::kMaxRecentFiles);
    memory.loadFolder = store.value(kLoadFolder).toString();
    memory.saveFolder = store.value(kSaveFolder).toString();
    memory.exportFolder = store.value(kExportFolder).toString();
    memory.legend = store.value(kLegend, false).toBool();
    memory.legendInOutput = store.value(kLegendInOutput, false).toBool();
    memory.flightsTable = store.value(kFlightsTable, false).toBool();
    memory.flightMarks = store.value(kFlightMarks, false).toBool();
    memory.flightMarksInOutput = store.value(kFlightMarksInOutput, false).toBool();
    store.endGroup();
    return memory;
}

void writeSessionMemory(QSettings& store, const SessionMemory& memory)
{
    store.beginGroup(kGroup);
    store.setValue(kRecentFiles, memory.recentFiles);
    store.setValue(kLoadFolder, memory.loadFolder);
    store.setValue(kSaveFolder, memory.saveFolder);
    store.setValue(kExportFolder, memory.exportFolder);
    store.setValue(kLegend, memory.legend);
    store.setValue(kLegendInOutput, memory.legendInOutput);
    store.setValue(kFlightsTable, memory.flightsTable);
    store.setValue(kFlightMarks, memory.flightMarks);
    store.setValue(kFlightMarksInOutput, memory.flightMarksInOutput);
    store.endGroup();
    store.sync();
}

} // namespace vimo
