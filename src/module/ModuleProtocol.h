#pragma once

#include <cstdint>

// The module's one-byte commands (their time limits and pauses are in base/Timing.h). Text replies are lines
// ending in LF; binary words are 16 bits, big-endian.
namespace vimo::protocol {

constexpr char kIdentity = 'v';    // four lines: device name, model, software version, software date
constexpr char kSetList = 's';     // one line per recorded data set
constexpr char kReadConfig = 'r';  // the 28-byte configuration record
constexpr char kVariant = 'M';     // one byte: 0 standard module, else F5J module
constexpr char kWriteConfig = 'c'; // followed by the 28-byte record
constexpr char kDownload = 'a';    // followed by the set index; answers a 6-byte header and the words
constexpr char kErase = 'x';
constexpr char kResetDefaults = '*';
constexpr char kCalibrate = '$'; // then, after a pause, kCalibrateValue and the altitude
constexpr char kCalibrateValue = 't';
constexpr char kResetModule = 'R';
constexpr char kLive = 'l';
constexpr char kProgramMode = 'P'; // the running firmware starts its boot loader

constexpr int kMaxSets = 256;

} // namespace vimo::protocol
