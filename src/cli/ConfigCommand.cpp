#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/ConfigControls.h"
#include "module/Configuration.h"

#include <QTextStream>
#include <utility>
#include <vector>

namespace vimo::cli {
namespace {

const char* const kHelp =
    "Usage: vimo-cli config --port DEV [--baud N] [--set FIELD=VALUE ...]\n"
    "Reads the module's configuration and prints one FIELD=VALUE line per field, then f5jModule and the total\n"
    "record time. With --set the named fields are changed, the record is written back as it is and read again;\n"
    "what was read back is printed, and the exit status is 1 when it differs from what was written.\n"
    "Fields: signature intervalTicks units blankDisplay baseInterval reserved1 reserved2 reverseTrigger\n"
    "recordTrigger startSeconds stopSeconds startAltitude stopAltitude autoStart autoStop autoZero moduleVersion\n"
    "memorySize reserved3.\n"
    "--set takes the values the window's controls give: intervalTicks 1-65535, units 0-2, blankDisplay,\n"
    "reverseTrigger and recordTrigger 0-1, the seconds and altitudes 0-65535, autoStart 0-3, autoStop 0-2,\n"
    "autoZero 0-3, moduleVersion 0-255, memorySize 1-8; signature, baseInterval and the reserved fields go back\n"
    "as read.\n";

using Change = std::pair<int, long long>;

QString fieldName(int field)
{
    const std::string_view name = configFieldName(field);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// FIELD=VALUE with a field of the record and a decimal value that the window's controls could give it. Returns
// what is wrong with it, or an empty text.
QString parseChange(const QString& text, Change& change)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    change.first = eq > 0 ? findConfigField(text.left(eq).toStdString()) : -1;
    if (change.first < 0)
        return QStringLiteral("--set %1: no such field").arg(text);
    const std::optional<FieldRange> range = controlRange(change.first);
    if (!range)
        return QStringLiteral("--set %1: %2 is not set from here; it goes back as the module sent it")
            .arg(text, fieldName(change.first));
    bool ok = false;
    change.second = text.mid(eq + 1).toLongLong(&ok);
    if (!ok || change.second < range->lowest || change.second > range->highest)
        return QStringLiteral("--set %1: %2 takes a whole number from %3 to %4")
            .arg(text, fieldName(change.first))
            .arg(range->lowest)
            .arg(range->highest);
    return QString();
}

void print(ModuleSession& session, QTextStream& out)
{
    for (int i = 0; i < kConfigFieldCount; ++i)
        out << fieldName(i) << '=' << configFieldValue(session.config, i) << '\n';
    out << "f5jModule=" << (session.state.f5jModule ? 1 : 0) << '\n';
    out << session.showRecordInterval().totalRecordTime << '\n';
}

} // namespace

int configCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("config", kHelp);
    const QCommandLineOption set(QStringLiteral("set"), QStringLiteral("Change a field."),
                                 QStringLiteral("FIELD=VALUE"));
    line.parser.addOption(set);
    line.maxWords = -1; // "--set FIELD=VALUE ...": the words after --set are further assignments
    line.allowRepeated(QStringLiteral("set"));
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList extra = line.words();
    if (!extra.isEmpty() && !line.parser.isSet(set))
        return line.usageError(err, QStringLiteral("unexpected word: %1").arg(extra.first()));
    std::vector<Change> changes;
    for (const QString& text : line.parser.values(set) + extra) {
        Change change;
        if (const QString problem = parseChange(text, change); !problem.isEmpty())
            return line.usageError(err, problem);
        changes.push_back(change);
    }

    ModuleConnection module(err, err, timing); // stdout carries the fields
    if (!module.open(line, true) || module.reporter.failed())
        return kFailed;
    ModuleSession& session = module.session;
    if (!changes.empty()) {
        for (const Change& change : changes)
            setConfigField(session.config, change.first, change.second);
        const ModuleConfig written = session.config;
        sendConfiguration(session);
        if (!readConfiguration(session))
            return kFailed;
        print(session, out);
        if (!(session.config == written)) {
            for (int i = 0; i < kConfigFieldCount; ++i) {
                if (configFieldValue(session.config, i) != configFieldValue(written, i)) {
                    err << "vimo-cli config: " << fieldName(i) << " reads back as "
                        << configFieldValue(session.config, i) << ", not " << configFieldValue(written, i) << '\n';
                }
            }
            return kFailed;
        }
        return module.exitCode();
    }
    print(session, out);
    return module.exitCode();
}

} // namespace vimo::cli
