#pragma once

#include "data/DataFile.h"
#include "data/Plot.h"
#include "logbook/DownloadFacts.h"
#include "support/SyntheticFlight.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QTimeZone>

namespace vimo::test {

// A plot holding one downloaded-looking flight of `samples` samples with three trigger copies.
inline void makeFlight(Plot& plot, int samples, const QString& name = QStringLiteral("Thermal"), std::uint32_t seed = 7)
{
    DataSet& set = plot.signals.createDataSet();
    fillFlight(set, samples, seed);
    set.trigger.series.clear();
    for (int i = 1; i <= 3 && i < samples; ++i)
        set.trigger.series.append(set.altitude.series.time(i), set.altitude.series.altitude(i));
    plot.signals.rename(plot.signals.size() - 1, name);
    set.notes = {QStringLiteral("Field north"), QStringLiteral("2026-12-08  Set 2, %1 samples").arg(samples),
                 QStringLiteral("summary")};
    plot.yLabel = QStringLiteral("Altitude (meters)");
}

inline DownloadFacts facts(int set, bool incomplete = false)
{
    return {QDateTime(QDate(2026, 12, 8), QTime(10, 30), Qt::UTC),
            set,
            QStringLiteral("VIMO"),
            QStringLiteral("MOD2"),
            QStringLiteral("1.07"),
            incomplete};
}

// Writes a data set file of a flight by hand (as a user copying a file into the archive would).
inline void writeFlightFile(const QString& path, int samples, const QString& name)
{
    Plot plot;
    makeFlight(plot, samples, name);
    writeFile(path, datafile::dataSetFileBytes(plot, 0));
}

} // namespace vimo::test
