#pragma once

#include "base/ModuleReporter.h"
#include "base/Pause.h"
#include "base/Timing.h"

#include <QByteArray>
#include <QString>

namespace vimo {

class SerialLink;
struct FirmwareImage;

// Result codes of a firmware update.
enum FirmwareUpdateResult : int {
    kUpdateOk = 0,
    kUpdateHexNotOpened = -1, // the HEX file could not be read, or was refused
    kUpdatePortNotOpened = -2,
    kUpdateNoBootLoader = -3,
    kUpdateRecordFailed = -4,
    kUpdateBeyondCodeSpace = -5,
};

struct FirmwareUpdateOptions {
    QString devicePath;       // the selected port's device; empty when no port is selected
    qint32 baud = 115200;     // the connection speed, at which the running firmware is told to start its boot loader
    bool partIsBlank = false; // "Part is Blank": no "P" command, and no break unless forceUpdate
    bool forceUpdate = false; // "Force Update"
    bool manualEntry = false; // "Update trouble?  Try me.": the user starts the boot loader by hand; no "P"
};

// The boot loader runs at this speed.
constexpr qint32 kBootLoaderBaud = 4800;

// Texts of the boxes the "Update Firmware" button shows before an update.
inline constexpr const char* kUpdateCaption = "Vimo Firmware Update";
inline constexpr const char* kUpdateWarning =
    "Warning!  Firmware update can render\nthe device non-operational!\n\nBe sure to use the proper firmware file.\n"
    "Do not interrupt the download process.\n\nClick OK to proceed with firmware update.";
inline constexpr const char* kManualEntryInstructions = "1) Power off device\n2) Press and hold S2\n3) Power on "
                                                        "device\n4) Hold S2 until \"PROG\" is displayed\n5) Click OK";

// What an update learned about the boot loader's echo: after kEchoMissesToStop records in a row without an echo,
// the echo is not awaited any more for the rest of the update (a boot loader that never echoes would otherwise
// cost a second per record).
struct IspEcho {
    static constexpr int kEchoMissesToStop = 3;
    int missesInARow = 0;
    bool awaited = true;
};

// Sends one record: up to three attempts of writing it, awaiting its echo (1 s; a missing echo is reported and
// the reply still read; echoMs, 1 s) and the boot loader's status character (replyMs, 1 s). Returns 1 when accepted, else 0. With
// `echo`, records of one update share what was learned about the echo; the memo says once when it stops being
// awaited.
int sendIspRecord(SerialLink& link, ModuleReporter& reporter, const QByteArray& record, const Timing& timing = {},
                  IspEcho* echo = nullptr);

// Up to three attempts of sending "U" and awaiting "U" within replyMs (1 s). Returns 1 when the boot loader answered.
int syncBootLoader(SerialLink& link, const Timing& timing = {});

// The whole update from a HEX file: checks the file completely before anything touches the port, makes the module
// start its boot loader ("P" at the connection speed, then a break at 4800 baud, as the options say), synchronises,
// sets the status byte, erases the code space, programs the image, clears the status byte, writes the
// configuration byte and resets the module. Every step is reported in the memo, the programming moves the progress
// bar. The port is closed on every path. Returns a FirmwareUpdateResult. `image` receives the loaded image.
int runFirmwareUpdate(const QString& hexPath, const FirmwareUpdateOptions& options, SerialLink& link,
                      ModuleReporter& reporter, FirmwareImage& image, const Pause& pause = sleepPause,
                      const Timing& timing = {});

// After an update: hides the progress bar, brings the "Connect / Download" page forward and, on success, adds an
// empty line and "Firmware updated successfully.".
void finishFirmwareUpdate(ModuleReporter& reporter, int result);

// Why an update failed, in words ("the boot loader did not answer").
QString firmwareUpdateFailureText(int result);

} // namespace vimo
