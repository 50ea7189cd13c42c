#include "cli/StatsCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/DataFiles.h"
#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/Plot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace vimo::cli {
namespace {

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli stats FILE.csv [FILE.csv ...] [--json]\n"
        "Loads data set files and plot files as Load does and reports every data set: name, samples, trigger\n"
        "samples, rate marks, first and last time, lowest and highest altitude, notes.\n"
        "\n"
        "Options:\n"
        "  --json       print the report as JSON\n"
        "  -h, --help   show this help\n");
}

// What the report says about one data set.
struct Summary {
    QString file;
    QString name;
    int samples = 0;
    int triggerSamples = 0;
    int rateMarks = 0;
    std::optional<double> firstTime; // none for a data set without samples
    std::optional<double> lastTime;
    std::optional<double> lowestAltitude;
    std::optional<double> highestAltitude;
    std::array<QString, 3> notes;
    AltitudeUnit unit = AltitudeUnit::Unknown; // the altitudes are in it
};

Summary summarize(const QString& file, const DataSet& set)
{
    const SampleSeries& samples = set.altitude.series;
    Summary s{file, set.name(), samples.count(), set.trigger.series.count(), set.rateMarkCount(), {}, {}, {},
              {},   set.notes,  set.unit};
    if (!samples.isEmpty()) {
        const auto [low, high] = std::minmax_element(samples.altitudes().begin(), samples.altitudes().end());
        s.firstTime = samples.time(0);
        s.lastTime = samples.time(samples.count() - 1);
        s.lowestAltitude = *low;
        s.highestAltitude = *high;
    }
    return s;
}

QString number(std::optional<double> value)
{
    return value ? QString::fromLatin1(cformat::general(*value, 15)) : QStringLiteral("-");
}

void printText(const std::vector<Summary>& summaries, QTextStream& out)
{
    const auto line = [&out](const QString& key, const QString& value) {
        out << key << ':' << (value.isEmpty() ? QString() : QLatin1Char(' ') + value) << '\n';
    };
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const Summary& s = summaries[i];
        if (i > 0)
            out << '\n';
        line(QStringLiteral("file"), s.file);
        line(QStringLiteral("name"), s.name);
        line(QStringLiteral("samples"), QString::number(s.samples));
        line(QStringLiteral("trigger samples"), QString::number(s.triggerSamples));
        line(QStringLiteral("rate marks"), QString::number(s.rateMarks));
        line(QStringLiteral("first time"), number(s.firstTime));
        line(QStringLiteral("last time"), number(s.lastTime));
        line(QStringLiteral("lowest altitude"), number(s.lowestAltitude));
        line(QStringLiteral("highest altitude"), number(s.highestAltitude));
        for (std::size_t n = 0; n < s.notes.size(); ++n)
            line(QStringLiteral("note %1").arg(n + 1), s.notes[n]);
    }
}

void printJson(const std::vector<Summary>& summaries, QTextStream& out)
{
    const auto value = [](std::optional<double> v) { return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null); };
    QJsonArray sets;
    for (const Summary& s : summaries) {
        QJsonArray notes;
        for (const QString& note : s.notes)
            notes.append(note);
        sets.append(QJsonObject{
            {QStringLiteral("file"), s.file},
            {QStringLiteral("name"), s.name},
            {QStringLiteral("samples"), s.samples},
            {QStringLiteral("triggerSamples"), s.triggerSamples},
            {QStringLiteral("rateMarks"), s.rateMarks},
            {QStringLiteral("firstTime"), value(s.firstTime)},
            {QStringLiteral("lastTime"), value(s.lastTime)},
            {QStringLiteral("lowestAltitude"), value(s.lowestAltitude)},
            {QStringLiteral("highestAltitude"), value(s.highestAltitude)},
            {QStringLiteral("unit"),
             s.unit == AltitudeUnit::Unknown ? QJsonValue(QJsonValue::Null) : QJsonValue(unitName(s.unit))},
            {QStringLiteral("notes"), notes},
        });
    }
    out << QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("dataSets"), sets}}).toJson());
}

} // namespace

int statsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("stats", help(), CommandLine::kDataFiles);
    const QCommandLineOption json(QStringLiteral("json"));
    line.parser.addOption(json);
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList files = line.words();

    Plot plot; // no start-up data set: only what the files hold
    std::vector<Summary> summaries;
    const auto each = [&](const QString& file, int first, int count) {
        if (count == 0)
            err << "vimo-cli stats: " << file << ": the file holds no data sets\n";
        for (int k = first; k < first + count; ++k)
            summaries.push_back(summarize(file, plot.signals.at(k)));
    };
    if (!loadDataFilesReporting("stats", files, plot, err, each))
        return kFailed;

    if (line.parser.isSet(json))
        printJson(summaries, out);
    else
        printText(summaries, out);
    return kOk;
}

} // namespace vimo::cli
