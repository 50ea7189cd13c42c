#pragma once

#include <cstdint>

// The module's one-byte commands and the time limits of their replies (milliseconds). Text replies are lines
// ending in LF; binary words are 16 bits, big-endian.
namespace vimo::protocol {

constexpr char kIdentity = 'v';       // four lines: device name, model, software version, software date
constexpr char kSetList = 's';        // one line per recorded data set
constexpr char kReadConfig = 'r';     // the 28-byte configuration record
constexpr char kVariant = 'M';        // one byte: 0 standard module, else F5J module
constexpr char kWriteConfig = 'c';    // followed by the 28-byte record
constexpr char kDownload = 'a';       // followed by the set index; answers a 6-byte header and the words
constexpr char kErase = 'x';
constexpr char kResetDefaults = '*';
constexpr char kCalibrate = '$';      // then, after a pause, kCalibrateValue and the altitude
constexpr char kCalibrateValue = 't';
constexpr char kResetModule = 'R';
constexpr char kLive = 'l';
constexpr char kProgramMode = 'P';    // the running firmware starts its boot loader

constexpr std::uint32_t kIdentityLineMs = 1000;
constexpr std::uint32_t kSetLineMs = 300;
constexpr int kMaxSets = 256;
constexpr std::uint32_t kConfigMs = 5000;
constexpr std::uint32_t kVariantMs = 1000;
constexpr std::uint32_t kHeaderMs = 2500;
constexpr std::uint32_t kWordMs = 500;
constexpr std::uint32_t kWordAfterMarkMs = 1000;

// Prescribed pauses.
constexpr int kBeforeConfigRecordMs = 40;
constexpr int kBeforeSetIndexMs = 20;
constexpr int kResetDefaultsSettleMs = 200;
constexpr int kCalibrateSettleMs = 1500;
constexpr int kCalibrateByteMs = 50;
constexpr int kCalibrateDoneMs = 200;
constexpr int kResetModuleSettleMs = 4000;

} // namespace vimo::protocol
