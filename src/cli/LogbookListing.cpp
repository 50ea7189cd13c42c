#include "cli/LogbookListing.h"

#include "analysis/FlightText.h"
#include "data/AltitudeUnit.h"
#include "data/CFormat.h"
#include "logbook/Logbook.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>

namespace vimo::cli {
namespace {

QJsonValue jsonNumber(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// Times and heights of a flight to a tenth, as "vimo-cli flights --json" gives them.
QJsonValue tenths(const std::optional<double>& value)
{
    return value ? QJsonValue(std::round(*value * 10) / 10) : QJsonValue(QJsonValue::Null);
}

QString textNumber(const std::optional<double>& value)
{
    return value ? QString::fromLatin1(cformat::general(*value, 15)) : QStringLiteral("-");
}

QString fixedText(double value)
{
    return QString::fromLatin1(std::abs(value) < 1e15 ? cformat::fixed(value, 1) : cformat::general(value, 15));
}

// What every line of a recording starts with: download time (local), set and name.
QString recordingStart(const ArchivedRecording& r)
{
    return r.downloaded.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  set ")
           + (r.set > 0 ? QString::number(r.set) : QStringLiteral("-")) + QStringLiteral("  ") + r.name;
}

QString modelPart(const ArchivedRecording& r)
{
    return r.airframe.isEmpty() ? QString() : QStringLiteral("  model ") + r.airframe;
}

QString flightText(const ArchivedRecording& r, const FlightMeasures& f)
{
    const QString u = unitSymbol(unitNamedBy(r.unit));
    const QString unit = u.isEmpty() ? QString() : QLatin1Char(' ') + u;
    return QStringLiteral(
               "flight %1/%2  launch %3 s  duration %4  start height %5  penalty %6  highest %7%8  climbs %9")
        .arg(f.number)
        .arg(r.flights.size())
        .arg(fixedText(f.launch), durationText(f.duration),
             f.startHeight ? fixedText(*f.startHeight) + unit : QStringLiteral("-"), textNumber(f.penalty),
             fixedText(f.highestAltitude), unit)
        .arg(f.climbs);
}

QJsonObject flightJson(const ArchivedRecording& r, const FlightMeasures& f)
{
    return QJsonObject{
        {QStringLiteral("flight"), f.number},
        {QStringLiteral("launch"), tenths(f.launch)},
        {QStringLiteral("duration"), tenths(f.duration)},
        {QStringLiteral("startHeight"), tenths(f.startHeight)},
        {QStringLiteral("penalty"), jsonNumber(f.penalty)},
        {QStringLiteral("maxAltitude"), tenths(f.highestAltitude)},
        {QStringLiteral("climbs"), f.climbs},
        {QStringLiteral("unit"), r.unit},
    };
}

QJsonObject recordingJson(const Logbook& logbook, const ArchivedRecording& r)
{
    QJsonArray flights;
    for (const FlightMeasures& f : r.flights)
        flights.append(flightJson(r, f));
    QJsonObject o{
        {QStringLiteral("file"), QDir::toNativeSeparators(logbook.absolutePath(r.path))},
        {QStringLiteral("downloaded"), r.downloaded.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("set"), r.set},
        {QStringLiteral("name"), r.name},
        {QStringLiteral("samples"), r.samples},
        {QStringLiteral("unit"), r.unit},
        {QStringLiteral("incomplete"), r.incomplete},
        {QStringLiteral("firstTime"), jsonNumber(r.firstTime)},
        {QStringLiteral("lastTime"), jsonNumber(r.lastTime)},
        {QStringLiteral("maxAltitude"), jsonNumber(r.highestValue)},
        {QStringLiteral("model"), r.airframe.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.airframe)},
        {QStringLiteral("flights"), flights},
    };
    // The recording's first flight, as the list gave it before it listed every flight.
    if (!r.flights.empty()) {
        const FlightMeasures& first = r.flights.front();
        o.insert(QStringLiteral("launch"), first.launch);
        o.insert(QStringLiteral("duration"), first.duration);
        if (first.startHeight)
            o.insert(QStringLiteral("startHeight"), *first.startHeight);
        o.insert(QStringLiteral("highestAltitude"), first.highestAltitude);
    }
    return o;
}

} // namespace

// One line per recording: download time (local), set, name, samples, highest value and unit, the incomplete mark,
// the model, the file.
void printRecordings(const std::vector<ArchivedRecording>& recordings, QTextStream& out)
{
    for (const ArchivedRecording& r : recordings) {
        out << recordingStart(r) << "  " << r.samples << " samples  max " << textNumber(r.highestValue)
            << (r.unit.isEmpty() ? QString() : QString(QLatin1Char(' ') + r.unit))
            << (r.incomplete ? "  incomplete" : "") << modelPart(r) << "  " << r.path << '\n';
    }
}

// One line per flight, and one "no flight" line for a recording without a flight.
void printFlights(const std::vector<ArchivedRecording>& recordings, QTextStream& out)
{
    for (const ArchivedRecording& r : recordings) {
        if (r.flights.empty())
            out << recordingStart(r) << "  no flight" << modelPart(r) << "  " << r.path << '\n';
        for (const FlightMeasures& f : r.flights)
            out << recordingStart(r) << "  " << flightText(r, f) << modelPart(r) << "  " << r.path << '\n';
    }
}

void printJson(const Logbook& logbook, const std::vector<ArchivedRecording>& recordings, QTextStream& out)
{
    QJsonArray list;
    for (const ArchivedRecording& r : recordings)
        list.append(recordingJson(logbook, r));
    out << QString::fromUtf8(QJsonDocument(list).toJson());
}

} // namespace vimo::cli
