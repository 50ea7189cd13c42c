#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace vimo {

struct FirmwareImage;

// The boot loader's record protocol: records in Intel HEX syntax, sent as text without line end; the boot loader
// echoes every character and answers each record with one status character.

// What a record is for; a record that fails names its step in the memo.
enum class IspStep { StatusOn, Erase, Program, StatusOff, ConfigurationByte };

struct IspRecord {
    IspStep step;
    int address; // erase: page start; program: first byte; 0 otherwise
    QByteArray text;
};

// Code space pages are erased 64 bytes at a time; program records carry at most 64 bytes.
constexpr int kIspPageSize = 64;
// The value the configuration-byte record writes.
constexpr int kIspConfigurationByte = 0x63;
// Restarts the module; sent unchanged, without waiting for an echo or a reply.
inline constexpr const char* kIspResetRecord = ":00000008F8";

QByteArray ispStatusByteRecord(int value);
QByteArray ispEraseRecord(int pageAddress);
QByteArray ispProgramRecord(int address, const std::uint8_t* data, int count);
QByteArray ispConfigurationRecord();

// Every record of an update, in order: status byte on, the erase of every page of the code space, the program
// records of addresses 0 to highestAddress (none when the image holds nothing), status byte off, configuration
// byte. The reset record follows separately.
std::vector<IspRecord> ispRecords(const FirmwareImage& image);

// The memo line of a step whose record failed three times ("Error Erasing Flash"); empty for the configuration
// byte, which has none of its own.
QString ispStepFailure(IspStep step);

// The boot loader's answer to a record.
enum class IspReply { Accepted, WriteFailure, BadChecksum, Other };

// "." accepted, "R" write failure, "X" bad checksum, any other byte a failure without a message.
IspReply classifyIspReply(char reply);

// The memo line of a refused record ("data byte write failure", "bad checksum"); empty when there is none.
QString ispReplyMessage(IspReply reply);

} // namespace vimo
