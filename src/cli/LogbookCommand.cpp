#include "cli/LogbookCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "data/CFormat.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"

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

// Tells that the index in the archive folder could not be used (the list then comes from the files alone).
void noteIndexInMemory(Logbook& logbook, QTextStream& err)
{
    if (logbook.index().inMemory())
        err << "vimo-cli logbook: the index in " << QDir::toNativeSeparators(logbook.root()) << " cannot be used ("
            << logbook.index().lastError() << "); the flights were read from the files\n";
}

int importFolder(Logbook& logbook, const QString& folder, QTextStream& out, QTextStream& err)
{
    if (!QFileInfo(folder).isDir()) {
        err << "vimo-cli logbook: " << folder << " is not a folder\n";
        return kFailed;
    }
    const ImportOutcome imported = logbook.importFolder(folder);
    for (const QString& path : imported.imported)
        out << "Imported " << QDir::toNativeSeparators(path) << '\n';
    for (const QString& failure : imported.failed)
        err << "vimo-cli logbook: not imported: " << failure << '\n';
    return imported.failed.isEmpty() ? kOk : kFailed;
}

int rebuild(Logbook& logbook, QTextStream& out, QTextStream& err)
{
    // An index in memory would be rebuilt without a word while the file stays as it was.
    if (logbook.index().inMemory() || !logbook.index().rebuild()) {
        err << "vimo-cli logbook: cannot rebuild the index: " << logbook.index().lastError() << '\n';
        return kFailed;
    }
    out << logbook.index().flights().size() << " flights indexed\n";
    return kOk;
}

} // namespace

int logbookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("logbook", help(), {0, 2, "folder"});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption archive(QStringLiteral("archive"), QStringLiteral("The archive folder."),
                                     QStringLiteral("DIR"));
    line.parser.addOptions({json, archive});
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList words = line.words();
    const QString action = words.value(0);
    if (!action.isEmpty() && action != QLatin1String("import") && action != QLatin1String("rebuild"))
        return line.usageError(err, QStringLiteral("unknown word '%1'").arg(action));
    if (action == QLatin1String("import") ? words.size() != 2 : words.size() > 1)
        return line.usageError(err, action == QLatin1String("import")
                                        ? QStringLiteral("import takes one folder")
                                        : QStringLiteral("stray word '%1'").arg(words.last()));
    if (!action.isEmpty() && line.parser.isSet(json))
        return line.usageError(err, QStringLiteral("--json lists the flights; it does not go with %1").arg(action));

    const QString root = archiveFolder(line.parser.value(archive));
    if (const std::optional<QString> problem = archiveFolderProblem(root)) {
        err << "vimo-cli logbook: " << *problem << '\n';
        return kFailed;
    }
    Logbook logbook(root);
    if (action == QLatin1String("rebuild"))
        return rebuild(logbook, out, err);
    noteIndexInMemory(logbook, err);
    if (action == QLatin1String("import"))
        return importFolder(logbook, words[1], out, err);
    const std::vector<FlightRecord> flights = logbook.index().flights();
    if (line.parser.isSet(json))
        printJson(logbook, flights, out);
    else
        printText(flights, out);
    return kOk;
}

} // namespace vimo::cli
