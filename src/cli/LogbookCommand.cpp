#include "cli/LogbookCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/LogbookListing.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace vimo::cli {
namespace {

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli logbook [--json | --flights] [--model NAME] [--archive DIR]\n"
        "       vimo-cli logbook import DIR [--archive DIR]\n"
        "       vimo-cli logbook rebuild [--archive DIR]\n"
        "       vimo-cli logbook model NAME FILE... [--archive DIR]\n"
        "Lists every archived recording, newest first, one line each; --flights lists one line per flight found in\n"
        "them instead (a recording without a flight has one line, 'no flight'). 'import' copies the CSV files of\n"
        "DIR into the archive and indexes them; 'rebuild' reads every file of the archive into its index again;\n"
        "'model' names the model aircraft that carried the module for archived files (FILE: the path of an\n"
        "archived file, or its path inside the archive folder).\n"
        "\n"
        "Options:\n"
        "  --json          print the recordings as JSON, each with its flights\n"
        "  --flights       print one line per flight\n"
        "  --model NAME    list only the recordings of the model NAME (any case)\n"
        "  --archive DIR   the archive folder (default: VIMO_ARCHIVE, the setting, or the program's data folder)\n"
        "  -h, --help      show this help\n");
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
    out << logbook.index().recordings().size() << " flights indexed\n";
    return kOk;
}

// The path inside the archive of a file given on the command line: the path of an archived file (from the working
// folder, or absolute), or its path relative to the archive folder. Nothing when it names no archived recording.
std::optional<QString> archivedPath(const Logbook& logbook, const QSet<QString>& indexed, const QString& given)
{
    const QString root = QFileInfo(logbook.root()).canonicalFilePath();
    for (const QString& candidate : {given, QDir(logbook.root()).filePath(given)}) {
        const QString file = QFileInfo(candidate).canonicalFilePath();
        if (file.isEmpty() || root.isEmpty())
            continue;
        const QString relative = QDir(root).relativeFilePath(file);
        if (indexed.contains(relative))
            return relative;
    }
    return std::nullopt;
}

int setModel(Logbook& logbook, const QString& name, const QStringList& files, QTextStream& out, QTextStream& err)
{
    QSet<QString> indexed;
    for (const ArchivedRecording& r : logbook.index().recordings())
        indexed.insert(r.path);
    int code = kOk;
    for (const QString& file : files) {
        const std::optional<QString> path = archivedPath(logbook, indexed, file);
        QString reason =
            QStringLiteral("not an archived recording in %1").arg(QDir::toNativeSeparators(logbook.root()));
        if (path && logbook.setAirframe(*path, name, &reason)) {
            out << QDir::toNativeSeparators(logbook.absolutePath(*path)) << ": model " << airframeName(name) << '\n';
            continue;
        }
        err << "vimo-cli logbook: " << file << ": " << reason << '\n';
        code = kFailed;
    }
    return code;
}

// The recordings of one model (any case), or all of them.
std::vector<ArchivedRecording> listed(Logbook& logbook, const std::optional<QString>& model)
{
    std::vector<ArchivedRecording> all = logbook.index().recordings();
    if (model)
        std::erase_if(all,
                      [&](const ArchivedRecording& r) { return r.airframe.compare(*model, Qt::CaseInsensitive) != 0; });
    return all;
}

// The first rule the words and options break, or an empty text.
QString brokenRule(const CommandLine& line, const QStringList& listOptions)
{
    const QStringList words = line.words();
    const QString action = words.value(0);
    if (!action.isEmpty() && action != QLatin1String("import") && action != QLatin1String("rebuild")
        && action != QLatin1String("model"))
        return QStringLiteral("unknown word '%1'").arg(action);
    if (action == QLatin1String("import") && words.size() != 2)
        return QStringLiteral("import takes one folder");
    if (action == QLatin1String("model") && words.size() < 3)
        return QStringLiteral("model takes a name and one file or more");
    if ((action.isEmpty() || action == QLatin1String("rebuild")) && words.size() > 1)
        return QStringLiteral("stray word '%1'").arg(words.last());
    for (const QString& option : listOptions) {
        if (!action.isEmpty() && line.parser.isSet(option))
            return QStringLiteral("--%1 goes with the list; it does not go with %2").arg(option, action);
    }
    if (line.parser.isSet(QStringLiteral("json")) && line.parser.isSet(QStringLiteral("flights")))
        return QStringLiteral("--json and --flights exclude each other");
    return QString();
}

} // namespace

int logbookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("logbook", help(), {0, -1, "word"});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption flights(QStringLiteral("flights"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("The model."), QStringLiteral("NAME"));
    const QCommandLineOption archive(QStringLiteral("archive"), QStringLiteral("The archive folder."),
                                     QStringLiteral("DIR"));
    line.parser.addOptions({json, flights, model, archive});
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    if (const QString problem =
            brokenRule(line, {QStringLiteral("json"), QStringLiteral("flights"), QStringLiteral("model")});
        !problem.isEmpty())
        return line.usageError(err, problem);
    const QStringList words = line.words();
    const QString action = words.value(0);

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
    if (action == QLatin1String("model"))
        return setModel(logbook, words[1], words.mid(2), out, err);
    const std::vector<ArchivedRecording> recordings =
        listed(logbook, line.parser.isSet(model) ? std::optional(line.parser.value(model)) : std::nullopt);
    if (line.parser.isSet(json))
        printJson(logbook, recordings, out);
    else if (line.parser.isSet(flights))
        printFlights(recordings, out);
    else
        printRecordings(recordings, out);
    return kOk;
}

} // namespace vimo::cli
