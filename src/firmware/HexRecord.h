#pragma once

#include <QByteArray>
#include <string_view>

namespace vimo {

struct FirmwareImage;

// What one line of an Intel HEX file turned out to be.
//   Ignored:   not a record (nothing but blanks, or text that holds no ":" after its blanks); the load goes on.
//   Accepted:  a data record stored in the image, or a record of another known type (end of file, extended or
//              start address), which changes nothing here: every data record is placed at its 16-bit address.
//   BeyondCodeSpace: a data record reaching beyond the image; the load stops.
//   The rest:  a damaged record; the load refuses the whole file, because a damaged record may hide data that
//              would otherwise be left out of the programmed image without a word.
enum class HexRecordStatus {
    Ignored = 0,
    Accepted = 1,
    BeyondCodeSpace = 2,
    Incomplete,   // fewer digits than the record's byte count asks for
    InvalidDigit, // a character that is not a hexadecimal digit
    BadChecksum,  // the bytes do not sum to 0 modulo 256
    TrailingText, // characters other than blanks after the checksum
    TooLong,      // a data record of more than 64 bytes: skipping it would leave its bytes out of the image
    Indented,     // blanks or NULs before the ":": skipping it would leave its bytes out of the image
    UnknownType,  // a record type other than 00 to 05
    WrongLength,  // a record of a known type other than data with the wrong byte count for its type
};

// The type and, for extended address records (types 02 and 04), the address value of a record that was read.
struct HexRecordFields {
    int type = -1;
    int value = 0;
};

constexpr int kMaxHexRecordBytes = 64;

// Reads one line (its line end, if any, is allowed) and stores a data record's bytes in the image. Every record's
// checksum is checked, whatever its type. `fields`, when given, receives the type and address value of a record
// that was read whole.
HexRecordStatus parseHexRecord(std::string_view line, FirmwareImage& image, HexRecordFields* fields = nullptr);

// Why a damaged record was refused, as a short lower-case phrase ("bad checksum"); empty for the other statuses.
const char* hexRecordProblem(HexRecordStatus status);

// A record text ":" + hex digit pairs gains its two checksum digits (upper case): the two's complement of the sum
// of the bytes the pairs give, counted from the second character up to the first line feed, carriage return or
// the end. Anything from that line end on is replaced by the digits. A character that is not a hex digit counts
// as 0, and an odd last digit counts as the high half of a byte.
QByteArray appendRecordChecksum(const QByteArray& record);

} // namespace vimo
