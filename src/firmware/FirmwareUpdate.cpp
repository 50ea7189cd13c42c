#include "firmware/FirmwareUpdate.h"

#include "data/SafeSave.h"
#include "firmware/FirmwareImage.h"
#include "firmware/HexFile.h"
#include "firmware/IspProtocol.h"
#include "link/OpenError.h"
#include "link/SerialLink.h"

#include <QElapsedTimer>
#include <QStringList>
#include <cctype>
#include <optional>

namespace vimo {
namespace {

constexpr int kAttempts = 3;

void memoLines(ModuleReporter& reporter, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        reporter.memoLine(line);
}

// Reports a HEX file that cannot be used and returns the result code; kUpdateOk when the image is loaded.
int checkHexFile(const QString& path, FirmwareImage& image, ModuleReporter& reporter)
{
    const HexLoadResult loaded = loadHexFile(path, image);
    const QString caption = QStringLiteral("Error");
    switch (loaded.status) {
    case HexLoadStatus::Loaded:
        if (!loaded.note.isEmpty())
            reporter.memoLine(loaded.note);
        return kUpdateOk;
    case HexLoadStatus::FileNotOpened:
        reporter.message(caption, unableToOpenMessage(path, loaded.reason), MessageIcon::Warning);
        return kUpdateHexNotOpened;
    case HexLoadStatus::BeyondCodeSpace:
        reporter.message(caption, loaded.message, MessageIcon::Warning);
        reporter.memoLine(QStringLiteral("Hex file exceeds code space."));
        return kUpdateBeyondCodeSpace;
    case HexLoadStatus::BadRecord:
    case HexLoadStatus::NoData:
        break;
    }
    reporter.message(caption, loaded.message, MessageIcon::Warning);
    reporter.memoLine(loaded.message);
    return kUpdateHexNotOpened;
}

// Opens the port for the update; on failure reports it with the reason.
bool openPort(SerialLink& link, ModuleReporter& reporter, const QString& path, qint32 baud)
{
    if (link.open(path, baud, 0))
        return true;
    memoLines(reporter, openFailureMessage(link.openError()));
    return false;
}

// Sends every record; on a failure reports the step and returns false.
bool sendRecords(const std::vector<IspRecord>& records, const FirmwareImage& image, SerialLink& link,
                 ModuleReporter& reporter, const Timing& timing)
{
    const int highest = image.highestAddress.value_or(0);
    IspEcho echo;
    for (const IspRecord& record : records) {
        if (record.step == IspStep::Program)
            reporter.progress(record.address, highest);
        if (!sendIspRecord(link, reporter, record.text, timing, &echo)) {
            const QString failure = ispStepFailure(record.step);
            if (!failure.isEmpty())
                reporter.memoLine(failure);
            return false;
        }
    }
    return true;
}

// Consumes input until the echo of `record` has arrived (true) or the echo time-out passed (false). A boot loader
// that does not echo still answers: when the echo does not come and the last byte that arrived cannot belong to
// an echo (it is neither ':' nor a hex digit), that byte is the reply to the record and is returned in `reply`.
bool awaitEcho(SerialLink& link, const QByteArray& record, std::optional<char>& reply, quint32 limitMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray window;
    char last = 0;
    bool any = false;
    for (qint64 left = limitMs; left > 0; left = qint64(limitMs) - timer.elapsed()) {
        char byte[2];
        if (link.readExact(byte, 1, quint32(left)) != 1)
            break;
        any = true;
        last = byte[0];
        window.append(last);
        if (window.size() > record.size())
            window.remove(0, 1);
        if (window == record)
            return true;
    }
    if (any && last != ':' && !std::isxdigit(static_cast<unsigned char>(last)))
        reply = last;
    return false;
}

} // namespace

int sendIspRecord(SerialLink& link, ModuleReporter& reporter, const QByteArray& record, const Timing& timing,
                  IspEcho* echo)
{
    bool missed = false; // this record already counted as one without an echo
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        link.write(record);
        std::optional<char> reply;
        if (!echo || echo->awaited) {
            if (awaitEcho(link, record, reply, timing.echoMs)) {
                if (echo)
                    echo->missesInARow = 0;
            } else {
                reporter.memoLine(QStringLiteral("Sent data not echoed"));
                if (echo && !missed && ++echo->missesInARow >= IspEcho::kEchoMissesToStop) {
                    echo->awaited = false;
                    reporter.memoLine(QStringLiteral("The boot loader does not echo: its echo is no longer awaited."));
                }
                missed = true;
            }
        }
        if (!reply) {
            char byte[2];
            if (link.readExact(byte, 1, timing.replyMs) != 1) {
                reporter.memoLine(QStringLiteral("no response"));
                continue;
            }
            reply = byte[0];
        }
        const IspReply kind = classifyIspReply(*reply);
        if (kind == IspReply::Accepted)
            return 1;
        const QString message = ispReplyMessage(kind);
        if (!message.isEmpty())
            reporter.memoLine(message);
    }
    return 0;
}

int syncBootLoader(SerialLink& link, const Timing& timing)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        link.write("U", 1);
        char reply[2];
        if (link.readExact(reply, 1, timing.replyMs) == 1 && reply[0] == 'U')
            return 1;
    }
    return 0;
}

int runFirmwareUpdate(const QString& hexPath, const FirmwareUpdateOptions& options, SerialLink& link,
                      ModuleReporter& reporter, FirmwareImage& image, const Pause& pause, const Timing& timing)
{
    if (const int refused = checkHexFile(hexPath, image, reporter); refused != kUpdateOk)
        return refused;
    if (options.devicePath.isEmpty()) {
        memoLines(reporter, noPortSelectedText());
        return kUpdatePortNotOpened;
    }
    reporter.status(StatusPanel::Progress, QStringLiteral("Updating firmware"));
    reporter.progress(0, image.highestAddress.value_or(0));

    if (!options.partIsBlank && !options.manualEntry) {
        if (!openPort(link, reporter, options.devicePath, options.baud))
            return kUpdatePortNotOpened;
        link.write("P", 1);
        pause(timing.programModeMs);
        link.close();
    }
    if (!openPort(link, reporter, options.devicePath, kBootLoaderBaud))
        return kUpdatePortNotOpened;
    if (!options.partIsBlank || options.forceUpdate) {
        link.sendBreak(timing.breakMs);
        pause(timing.afterBreakMs);
    }
    if (!syncBootLoader(link, timing)) {
        reporter.memoLine(QStringLiteral("Target not responding"));
        link.close();
        return kUpdateNoBootLoader;
    }
    reporter.memoLine(QStringLiteral("ISP Mode Initiated"));
    if (!sendRecords(ispRecords(image), image, link, reporter, timing)) {
        link.close();
        return kUpdateRecordFailed;
    }
    pause(timing.beforeResetMs);
    link.write(QByteArray(kIspResetRecord));
    link.close();
    return kUpdateOk;
}

void finishFirmwareUpdate(ModuleReporter& reporter, int result)
{
    reporter.progressDone();
    reporter.showConnectPage();
    if (result == kUpdateOk) {
        reporter.memoLine(QString());
        reporter.memoLine(QStringLiteral("Firmware updated successfully."));
    }
}

QString firmwareUpdateFailureText(int result)
{
    switch (result) {
    case kUpdateHexNotOpened:
        return QStringLiteral("the HEX file could not be read or was refused");
    case kUpdatePortNotOpened:
        return QStringLiteral("the port could not be opened");
    case kUpdateNoBootLoader:
        return QStringLiteral("the boot loader did not answer");
    case kUpdateRecordFailed:
        return QStringLiteral("the boot loader did not accept a record");
    case kUpdateBeyondCodeSpace:
        return QStringLiteral("the HEX file exceeds the code space");
    default:
        break;
    }
    return QStringLiteral("unknown result %1").arg(result);
}

} // namespace vimo
