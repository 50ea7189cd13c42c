#include "app/SessionMemory.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <cmath>

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
const QString kStartHeightWindow = QStringLiteral("StartHeightWindow");

// The stored start-height window. The settings file keeps it as text ("12.5", whatever the desktop's language);
// a value edited by hand may be anything, so whatever is no usable number of seconds gives the default.
double storedWindow(const QVariant& value)
{
    const double fallback = SessionMemory{}.startHeightWindow;
    bool ok = false;
    double seconds = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        seconds = value.toDouble(&ok);
        break;
    case QMetaType::QString:
        seconds = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        break;
    default:
        break; // missing, a list, binary data
    }
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > SessionMemory::kMaxStartHeightWindow)
        return fallback;
    return seconds;
}

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
    memory.startHeightWindow = storedWindow(store.value(kStartHeightWindow));
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
    store.setValue(kStartHeightWindow, memory.startHeightWindow);
    store.endGroup();
    store.sync();
}

} // namespace vimo
