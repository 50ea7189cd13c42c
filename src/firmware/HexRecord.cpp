#include "firmware/HexRecord.h"

#include "firmware/FirmwareImage.h"

#include <array>
#include <cstdint>

namespace vimo {
namespace {

// Value of one hexadecimal digit (upper or lower case), -1 for any other character.
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the byte at digit pair `index` of the record's digits; false when a digit is missing or not hexadecimal
// (`status` tells which).
bool byteAt(std::string_view digits, std::size_t index, int& value, HexRecordStatus& status)
{
    const std::size_t pos = 2 * index;
    if (pos + 2 > digits.size()) {
        // A missing digit, unless the digits stop at a character that is no digit at all.
        status = HexRecordStatus::Incomplete;
        for (std::size_t i = pos; i < digits.size(); ++i) {
            if (hexValue(digits[i]) < 0)
                status = HexRecordStatus::InvalidDigit;
        }
        return false;
    }
    const int high = hexValue(digits[pos]);
    const int low = hexValue(digits[pos + 1]);
    if (high < 0 || low < 0) {
        status = HexRecordStatus::InvalidDigit;
        return false;
    }
    value = high * 16 + low;
    return true;
}

std::string_view withoutLineEnd(std::string_view line)
{
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

// Whether the line is a record pushed aside by blanks or NULs: its bytes must not be left out without a word.
bool isIndentedRecord(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(std::string_view(" \t\v\f\0", 5));
    return first != std::string_view::npos && line[first] == ':';
}

// The byte count each record type other than data must have.
int expectedCount(int type)
{
    static constexpr int kCounts[] = {-1, 0, 2, 4, 2, 4};
    return kCounts[type];
}

} // namespace

HexRecordStatus parseHexRecord(std::string_view line, FirmwareImage& image, HexRecordFields* fields)
{
    if (line.empty() || line.front() != ':')
        return isIndentedRecord(line) ? HexRecordStatus::Indented : HexRecordStatus::Ignored;
    const std::string_view digits = withoutLineEnd(line.substr(1));

    // Header: byte count, address (big-endian), record type.
    std::array<int, 4> header{};
    HexRecordStatus status = HexRecordStatus::Accepted;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (!byteAt(digits, i, header[i], status))
            return status;
    }
    const int count = header[0];
    const int address = header[1] * 256 + header[2];
    const int type = header[3];
    if (type == 0 && count > kMaxHexRecordBytes)
        return HexRecordStatus::TooLong;

    // Data and checksum: every record, whatever its type, must be whole and sum to 0.
    std::array<std::uint8_t, 256> data{};
    int sum = header[0] + header[1] + header[2] + header[3];
    for (int i = 0; i <= count; ++i) {
        int value = 0;
        if (!byteAt(digits, std::size_t(4 + i), value, status))
            return status;
        if (i < count)
            data[std::size_t(i)] = std::uint8_t(value);
        sum += value;
    }
    const std::size_t recordDigits = 2 * std::size_t(count + 5);
    for (std::size_t i = recordDigits; i < digits.size(); ++i) {
        if (!isBlank(digits[i]))
            return HexRecordStatus::TrailingText;
    }
    if (sum % 256 != 0)
        return HexRecordStatus::BadChecksum;
    if (type > 5)
        return HexRecordStatus::UnknownType;
    if (type != 0 && count != expectedCount(type))
        return HexRecordStatus::WrongLength;
    if (fields) {
        fields->type = type;
        fields->value = count >= 2 ? data[0] * 256 + data[1] : 0;
    }

    if (type != 0 || count == 0)
        return HexRecordStatus::Accepted;
    return image.store(address, data.data(), count) ? HexRecordStatus::Accepted : HexRecordStatus::BeyondCodeSpace;
}

const char* hexRecordProblem(HexRecordStatus status)
{
    switch (status) {
    case HexRecordStatus::Incomplete:
        return "record is incomplete";
    case HexRecordStatus::InvalidDigit:
        return "invalid hex digit";
    case HexRecordStatus::BadChecksum:
        return "bad checksum";
    case HexRecordStatus::TrailingText:
        return "unexpected text after the checksum";
    case HexRecordStatus::TooLong:
        return "data record longer than 64 bytes";
    case HexRecordStatus::Indented:
        return "blanks before the record's \":\"";
    case HexRecordStatus::UnknownType:
        return "unknown record type";
    case HexRecordStatus::WrongLength:
        return "record has the wrong length for its type";
    case HexRecordStatus::Ignored:
    case HexRecordStatus::Accepted:
    case HexRecordStatus::BeyondCodeSpace:
        break;
    }
    return "";
}

QByteArray appendRecordChecksum(const QByteArray& record)
{
    qsizetype end = 1;
    while (end < record.size() && record[end] != '\n' && record[end] != '\r')
        ++end;
    int sum = 0;
    for (qsizetype i = 1; i < end; i += 2) {
        const int high = hexValue(record[i]);
        const int low = i + 1 < end ? hexValue(record[i + 1]) : 0;
        sum += (high < 0 ? 0 : high) * 16 + (low < 0 ? 0 : low);
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const int checksum = (256 - sum % 256) % 256;
    QByteArray out = record.left(end);
    out.append(kDigits[checksum / 16]);
    out.append(kDigits[checksum % 16]);
    return out;
}

} // namespace vimo
