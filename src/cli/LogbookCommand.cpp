#include "cli/LogbookCommand.h"

#include "cli/Cli.h"
#include "data/CFormat.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vimo::cli {
namespace {

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli logbook [--json] [--archive DIR]\n"
        "       vimo-cli logbook import DIR [--archive DIR]\n"
        "       vimo-cli logbook rebuild [--archive DIR]\n"
        "Lists every archived flight, newest first; 'import' copies the CSV files of DIR into the archive and\n"
        "indexes them; 'rebuild' reads every file of the archive into its index again.\n"
        "\n"
        "Options:\n"
        "  --json          print the list as JSON\n"
        "  --archive DIR   the archive folder (default: VIMO_ARCHIVE, the setting, or the program's data folder)\n"
        "  -h, --help      show this help\n");
}

int usageError(QTextStream& err, const QString& problem)
{
    err << "vimo-cli logbook: " << problem << "\n\n" << help();
    return kUsage;
}

QJsonValue jsonNumber(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString textNumber(const std::optional<double>& value)
{
    return value ? QString::fromLatin1(cformat::general(*value, 15)) : QStringLiteral("-");
}

void printJson(Logbook& logbook, const std::vector<FlightRecord>& flights, QTextStream& out)
{
    QJsonArray list;
    for (const FlightRecord& f : flights) {
        QJsonObject o{
            {QStringLiteral("file"), QDir::toNativeSeparators(logbook.absolutePath(f.path))},
            {QStringLiteral("downloaded"), f.downloaded.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("set"), f.set},
            {QStringLiteral("name"), f.name},
            {QStringLiteral("samples"), f.samples},
            {QStringLiteral("unit"), f.unit},
            {QStringLiteral("incomplete"), f.incomplete},
            {QStringLiteral("firstTime"), jsonNumber(f.firstTime)},
            {QStringLiteral("lastTime"), jsonNumber(f.lastTime)},
            {QStringLiteral("maxAltitude"), jsonNumber(f.highestValue)},
        };
        const std::pair<const char*, std::optional<double>> measures[] = {
            {"launch", f.measures.launch},
            {"duration", f.measures.duration},
            {"startHeight", f.measures.startHeight},
            {"highestAltitude", f.measures.highestAltitude},
        };
        for (const auto& [key, value] : measures) {
            if (value)
                o.insert(QLatin1String(key), *value);
        }
        list.append(o);
    }
    out << QString::fromUtf8(QJsonDocument(list).toJson());
}

// One line per flight: download time (local), set, name, samples, highest value and unit, the incomplete mark,
// the file.
void printText(const std::vector<FlightRecord>& flights, QTextStream& out)
{
    for (const FlightRecord& f : flights) {
        out << f.downloaded.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  set "
            << (f.set > 0 ? QString::number(f.set) : QStringLiteral("-")) << "  " << f.name << "  " << f.samples
            << " samples  max " << textNumber(f.highestValue) << (f.unit.isEmpty() ? QString() : QString(QLatin1Char(' ') + f.unit))
            << (f.incomplete ? "  incomplete" : "") << "  " << f.path << '\n';
    }
}

// Tells that the index could not be kept in the archive folder (the list then comes from the files alone).
void noteIndexInMemory(Logbook& logbook, QTextStream& err)
{
    if (logbook.index().inMemory())
        err << "vimo-cli logbook: the index cannot be kept in " << QDir::toNativeSeparators(logbook.root()) << " ("
            << logbook.index().lastError() << "); the flights were read from the files\n";
}

} // namespace

int logbookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption archive(QStringLiteral("archive"), QStringLiteral("The archive folder."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(json);
    parser.addOption(archive);
    parser.addOption(helpOption);
    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(helpOption)) {
        out << help();
        return kOk;
    }
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0);
    if (!action.isEmpty() && action != QLatin1String("import") && action != QLatin1String("rebuild"))
        return usageError(err, QStringLiteral("unknown word '%1'").arg(action));
    if (action == QLatin1String("import") ? words.size() != 2 : words.size() > 1)
        return usageError(err, action == QLatin1String("import") ? QStringLiteral("import takes one folder")
                                                                  : QStringLiteral("stray word '%1'").arg(words.last()));
    if (!action.isEmpty() && parser.isSet(json))
        return usageError(err, QStringLiteral("--json lists the flights; it does not go with %1").arg(action));

    Logbook logbook(archiveFolder(parser.value(archive)));
    noteIndexInMemory(logbook, err);
    if (action == QLatin1String("import")) {
        if (!QFileInfo(words[1]).isDir()) {
            err << "vimo-cli logbook: " << words[1] << " is not a folder\n";
            return kFailed;
        }
        const ImportOutcome imported = logbook.importFolder(words[1]);
        for (const QString& path : imported.imported)
            out << "Imported " << QDir::toNativeSeparators(path) << '\n';
        for (const QString& failure : imported.failed)
            err << "vimo-cli logbook: not imported: " << failure << '\n';
        return imported.failed.isEmpty() ? kOk : kFailed;
    }
    if (action == QLatin1String("rebuild")) {
        if (!logbook.index().rebuild()) {
            err << "vimo-cli logbook: cannot rebuild the index: " << logbook.index().lastError() << '\n';
            return kFailed;
        }
        out << logbook.index().flights().size() << " flights indexed\n";
        return kOk;
    }
    const std::vector<FlightRecord> flights = logbook.index().flights();
    if (parser.isSet(json))
        printJson(logbook, flights, out);
    else
        printText(flights, out);
    return kOk;
}

} // namespace vimo::cli
