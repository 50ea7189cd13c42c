#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "data/CFormat.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpdate.h"
#include "firmware/HexFile.h"
#include "firmware/IspProtocol.h"
#include "link/OpenError.h"

#include <QTextStream>

namespace vimo::cli {
namespace {

const char* const kHelp =
    "Usage: vimo-cli flash --port DEV [--baud N] [--blank] [--force] [--dry-run] FILE.hex\n"
    "Updates the module's firmware from an Intel HEX file through its boot loader (\"Update Firmware\").\n"
    "The module is told to start its boot loader at --baud; programming runs at 4800 baud.\n"
    "\n"
    "Options:\n"
    "  --blank     the part is blank: the boot loader already runs, no \"P\" command and no break\n"
    "  --force     with --blank, still send the break\n"
    "  --dry-run   load and check the file and print the records that would be sent; nothing is sent\n"
    "              (no --port needed)\n";

QString hex4(int value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

int dryRun(const QString& path, QTextStream& out, QTextStream& err)
{
    FirmwareImage image;
    const HexLoadResult loaded = loadHexFile(path, image);
    if (!loaded.loaded()) {
        err << "vimo-cli flash: "
            << (loaded.status == HexLoadStatus::FileNotOpened
                    ? QStringLiteral("Unable to open %1! %2").arg(path, loaded.reason)
                    : QStringLiteral("%1: %2").arg(path, loaded.message))
            << '\n';
        return kFailed;
    }
    if (!loaded.note.isEmpty())
        err << "vimo-cli flash: warning: " << path << ": " << loaded.note << '\n';
    const std::vector<IspRecord> records = ispRecords(image);
    const int highest = *image.highestAddress;
    int programRecords = 0;
    for (const IspRecord& record : records)
        programRecords += record.step == IspStep::Program ? 1 : 0;
    out << path << ": addresses " << hex4(0) << " to " << hex4(highest) << " (" << cformat::integer(highest + 1)
        << " bytes) in " << programRecords << " program records, after erasing all "
        << cformat::integer(FirmwareImage::kSize / kIspPageSize) << " pages\n";
    for (const IspRecord& record : records)
        out << record.text << '\n';
    out << kIspResetRecord << '\n';
    return kOk;
}

} // namespace

int flashCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("flash", kHelp);
    const QCommandLineOption blank(QStringLiteral("blank"), QStringLiteral("The part is blank."));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Send the break all the same."));
    const QCommandLineOption dry(QStringLiteral("dry-run"), QStringLiteral("Send nothing."));
    line.parser.addOptions({blank, force, dry});
    line.minWords = 1;
    line.maxWords = 1;
    line.wordKind = QStringLiteral("HEX file");
    if (const int code = line.parse(arguments, out, err, false); code >= 0)
        return code;
    const QStringList positional = line.words();
    if (line.parser.isSet(force) && !line.parser.isSet(blank))
        return line.usageError(err, QStringLiteral("--force goes with --blank only"));
    if (line.parser.isSet(dry))
        return dryRun(positional.first(), out, err);
    if (line.device.isEmpty())
        return line.usageError(err, QStringLiteral("--port is missing"));

    ModuleConnection module(out, err, timing);
    FirmwareUpdateOptions options;
    options.devicePath = line.device;
    options.baud = line.baud;
    options.partIsBlank = line.parser.isSet(blank);
    options.forceUpdate = line.parser.isSet(force);
    FirmwareImage image;
    const int result = runFirmwareUpdate(positional.first(), options, module.link, module.reporter, image, sleepPause,
                                         module.session.timing);
    finishFirmwareUpdate(module.reporter, result);
    if (result != kUpdateOk) {
        err << "vimo-cli flash: the update failed: "
            << (module.link.portLost() ? portLostMessage(line.device) : firmwareUpdateFailureText(result)) << '\n';
        return kFailed;
    }
    return kOk;
}

} // namespace vimo::cli
