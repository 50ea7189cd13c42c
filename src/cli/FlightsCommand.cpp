#include "cli/FlightsCommand.h"

#include "analysis/FlightAnalysis.h"
#include "analysis/FlightText.h"
#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/DataFiles.h"
#include "data/CFormat.h"
#include "data/Plot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <optional>
#include <vector>

namespace vimo::cli {
namespace {

const char* const kName = "vimo-cli flights: ";

// The longest start-height window, as the Flights panel's window box takes it.
constexpr double kMaxWindowSeconds = 600.0;

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli flights FILE.csv [FILE.csv ...] [--json] [--window SECONDS] [--launch-end SECONDS]\n"
        "Loads data set files and plot files as render does and reports every flight of every data set: launch,\n"
        "launch end, landing, duration, ground level, start height with its F5J penalty, highest altitude and\n"
        "climbs. Times are seconds on the time axis; altitudes are in the data set's unit.\n"
        "\n"
        "Options:\n"
        "  --json                 print the report as JSON\n"
        "  --window SECONDS       start-height window after the launch end, 0 to 600 (default 10)\n"
        "  --launch-end SECONDS   the launch end of the first flight of each data set, instead of the estimate;\n"
        "                         it must lie inside that flight\n"
        "  -h, --help             show this help\n");
}

// One data set's report with where it came from.
struct SetReport {
    QString file;
    QString name;
    FlightReport report;
};

// A number typed on the command line: the whole text, locale-independent, finite.
bool parseSeconds(const QString& text, double& value)
{
    bool ok = false;
    value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

// A number with a fixed count of decimals; one too large for that (an altitude of 1e308 in a broken file) in the
// exponent form, never as hundreds of digits.
QString fixed(double value, int decimals)
{
    constexpr double kLargestFixed = 1e15;
    return QString::fromLatin1(std::abs(value) < kLargestFixed ? cformat::fixed(value, decimals)
                                                               : cformat::general(value, 15));
}

QString flightLine(int number, const Flight& f, const QString& u)
{
    QStringList parts;
    parts << QStringLiteral("launch %1 s%2")
                 .arg(fixed(f.launch, 1),
                      f.launchBeforeRecording ? QStringLiteral(" (before the recording)") : QString());
    if (f.launchEnd)
        parts << QStringLiteral("launch end %1 s (%2)")
                     .arg(fixed(*f.launchEnd, 1),
                          f.launchEndEstimated ? QStringLiteral("estimated") : QStringLiteral("set"));
    else
        parts << QStringLiteral("launch end -");
    parts << (f.landing ? QStringLiteral("landing %1 s").arg(fixed(*f.landing, 1))
                        : QStringLiteral("landing - (ends in the air)"));
    parts << QStringLiteral("duration %1").arg(durationText(f.duration));
    parts << QStringLiteral("ground %1 %2").arg(fixed(f.groundAltitude, 1), u);
    if (f.startHeight && f.startHeightMeters && f.f5jPenalty)
        parts << QStringLiteral("start height %1 %2 (%3 m)")
                     .arg(fixed(*f.startHeight, 1), u, fixed(*f.startHeightMeters, 1))
              << QStringLiteral("penalty %1").arg(QString::fromLatin1(cformat::general(*f.f5jPenalty, 15)));
    else
        parts << QStringLiteral("start height -") << QStringLiteral("penalty -");
    parts << QStringLiteral("highest %1 %2 at %3 s").arg(fixed(f.maxAltitude, 1), u, fixed(f.maxAltitudeTime, 1));
    parts << QStringLiteral("climbs %1").arg(f.climbs.size());
    return QStringLiteral("flight %1: ").arg(number) + parts.join(QStringLiteral(", "));
}

void printText(const std::vector<SetReport>& sets, QTextStream& out)
{
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const SetReport& s = sets[i];
        const FlightReport& r = s.report;
        if (i > 0)
            out << '\n';
        out << "file: " << s.file << '\n' << "data set: " << s.name << '\n';
        out << "unit: " << unitName(r.unit.unit) << (r.unit.assumed ? " (assumed)" : "") << '\n';
        for (const QString& note : r.notes)
            out << "note: " << note << '\n';
        if (r.flights.empty())
            out << "no flights\n";
        const QString u = unitSymbol(r.unit.unit);
        for (std::size_t k = 0; k < r.flights.size(); ++k)
            out << flightLine(int(k) + 1, r.flights[k], u) << '\n';
    }
}

// Numbers as the JSON report gives them: times and altitudes to a tenth, rates to a hundredth.
QJsonValue rounded(double value, int decimals = 1)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QJsonValue rounded(const std::optional<double>& value)
{
    return value ? rounded(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject flightJson(const Flight& f)
{
    QJsonArray climbs;
    for (const Climb& c : f.climbs)
        climbs.append(QJsonObject{{QStringLiteral("start"), rounded(c.start)},
                                  {QStringLiteral("end"), rounded(c.end)},
                                  {QStringLiteral("gain"), rounded(c.gain)},
                                  {QStringLiteral("rate"), rounded(c.rate, 2)}});
    return QJsonObject{
        {QStringLiteral("launch"), rounded(f.launch)},
        {QStringLiteral("launchEnd"), rounded(f.launchEnd)},
        {QStringLiteral("landing"), rounded(f.landing)},
        {QStringLiteral("duration"), rounded(f.duration)},
        {QStringLiteral("groundAltitude"), rounded(f.groundAltitude)},
        {QStringLiteral("startHeight"), rounded(f.startHeight)},
        {QStringLiteral("startHeightMeters"), rounded(f.startHeightMeters)},
        {QStringLiteral("f5jPenalty"), rounded(f.f5jPenalty)},
        {QStringLiteral("maxAltitude"), rounded(f.maxAltitude)},
        {QStringLiteral("maxAltitudeTime"), rounded(f.maxAltitudeTime)},
        {QStringLiteral("climbs"), climbs},
    };
}

// The JSON holds the measures only; what the analysis noticed goes to stderr, one line each.
void printJson(const std::vector<SetReport>& sets, QTextStream& out, QTextStream& err)
{
    QJsonArray array;
    for (const SetReport& s : sets) {
        QJsonArray flights;
        for (const Flight& f : s.report.flights)
            flights.append(flightJson(f));
        const UnitOfLabel& unit = s.report.unit;
        array.append(QJsonObject{
            {QStringLiteral("file"), s.file},
            {QStringLiteral("dataSet"), s.name},
            {QStringLiteral("unit"), unit.assumed ? QJsonValue(QJsonValue::Null) : QJsonValue(unitName(unit.unit))},
            {QStringLiteral("flights"), flights},
        });
        for (const QString& note : s.report.notes)
            err << kName << s.file << ": " << s.name << ": " << note << '\n';
    }
    out << QString::fromUtf8(QJsonDocument(array).toJson());
}

// The --launch-end that the analysis had to move into a flight: it lay outside the first flight of a data set.
std::optional<QString> launchEndOutside(const std::vector<SetReport>& sets, double seconds)
{
    for (const SetReport& s : sets) {
        const std::vector<Flight>& flights = s.report.flights;
        if (flights.empty() || !flights.front().launchEnd || *flights.front().launchEnd == seconds)
            continue;
        const Flight& f = flights.front();
        return QStringLiteral("--launch-end %1 s lies outside the first flight of %2: %3 (launch %4 s, end %5 s)")
            .arg(fixed(seconds, 1), s.file, s.name, fixed(f.launch, 1), fixed(f.launch + f.duration, 1));
    }
    return std::nullopt;
}

} // namespace

int flightsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("flights", help(), CommandLine::kDataFiles);
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption window(QStringLiteral("window"), QString(), QStringLiteral("SECONDS"));
    const QCommandLineOption launchEnd(QStringLiteral("launch-end"), QString(), QStringLiteral("SECONDS"));
    line.parser.addOptions({json, window, launchEnd});
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    AnalysisOptions options;
    if (line.parser.isSet(window)
        && (!parseSeconds(line.parser.value(window), options.window) || options.window < 0
            || options.window > kMaxWindowSeconds))
        return line.usageError(err, QStringLiteral("--window needs a number of seconds from 0 to %1, not '%2'")
                                        .arg(kMaxWindowSeconds)
                                        .arg(line.parser.value(window)));
    double seconds = 0;
    if (line.parser.isSet(launchEnd)) {
        if (!parseSeconds(line.parser.value(launchEnd), seconds))
            return line.usageError(
                err,
                QStringLiteral("--launch-end needs a time in seconds, not '%1'").arg(line.parser.value(launchEnd)));
        options.launchEnds[0] = seconds;
    }

    Plot plot; // no start-up data set: only what the files hold
    std::vector<SetReport> sets;
    const auto each = [&](const QString& file, int first, int count) {
        for (int k = first; k < first + count; ++k) {
            const DataSet& set = plot.signals.at(k);
            sets.push_back({file, set.name(), analyseFlights(set.altitude, set.unit, options)});
        }
    };
    if (!loadDataFilesReporting("flights", line.words(), plot, err, each))
        return kFailed;
    if (line.parser.isSet(launchEnd)) {
        if (const std::optional<QString> outside = launchEndOutside(sets, seconds))
            return line.usageError(err, *outside);
    }
    if (line.parser.isSet(json))
        printJson(sets, out, err);
    else
        printText(sets, out);
    return kOk;
}

} // namespace vimo::cli
