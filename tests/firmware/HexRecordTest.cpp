#include "firmware/HexRecord.h"
#include "firmware/FirmwareImage.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(AppendRecordChecksum, programmingRecordsGainTheirChecksums)
{
    EXPECT_EQ(appendRecordChecksum(":030000040000"
                                   "40"),
              ":03000004000040B9");
    EXPECT_EQ(appendRecordChecksum(":0200000203"
                                   "01"),
              ":020000020301F8");
    EXPECT_EQ(appendRecordChecksum(":0200000200"
                                   "63"),
              ":02000002006399");
    EXPECT_EQ(appendRecordChecksum(":00000001"), ":00000001FF");
}

TEST(AppendRecordChecksum, digitsReplaceTheLineEndAndWhatFollows)
{
    EXPECT_EQ(appendRecordChecksum(":00000001\r\n"), ":00000001FF");
    EXPECT_EQ(appendRecordChecksum(":00000001\nXYZ"), ":00000001FF");
    EXPECT_EQ(appendRecordChecksum(":"), ":00");
}

TEST(ParseHexRecord, dataRecordIsStoredAtItsAddress)
{
    FirmwareImage image;
    EXPECT_EQ(parseHexRecord(":0300300002337A1E\n", image), HexRecordStatus::Accepted);
    EXPECT_EQ(image.bytes[0x30], 0x02);
    EXPECT_EQ(image.bytes[0x31], 0x33);
    EXPECT_EQ(image.bytes[0x32], 0x7A);
    EXPECT_EQ(image.highestAddress, 0x32);
    // Lower-case digits and a record without line end are read the same way.
    EXPECT_EQ(parseHexRecord(":01004000417e", image), HexRecordStatus::Accepted);
    EXPECT_EQ(image.bytes[0x40], 0x41);
}

TEST(ParseHexRecord, linesThatAreNoRecordsAreIgnored)
{
    FirmwareImage image;
    for (const char* line : {"", "\n", "01004000417E", "; comment: not a record"})
        EXPECT_EQ(parseHexRecord(line, image), HexRecordStatus::Ignored) << line;
    // A record pushed aside by blanks or a NUL is refused: passing over it would program its bytes as 0x00.
    EXPECT_EQ(parseHexRecord(" :01004000417E", image), HexRecordStatus::Indented);
    EXPECT_EQ(parseHexRecord(std::string_view("\0:01004000417E", 14), image), HexRecordStatus::Indented);
    EXPECT_FALSE(image.highestAddress);
}

TEST(ParseHexRecord, otherRecordTypesChangeNothing)
{
    FirmwareImage image;
    EXPECT_EQ(parseHexRecord(":00000001FF\n", image), HexRecordStatus::Accepted);     // end of file
    EXPECT_EQ(parseHexRecord(":020000040001F9\n", image), HexRecordStatus::Accepted); // extended linear address
    EXPECT_EQ(parseHexRecord(":0000000000\n", image), HexRecordStatus::Accepted);     // data record of 0 bytes
    EXPECT_FALSE(image.highestAddress);
}

// A damaged record used to be stored as far as it went (or skipped) and the rest of the file flashed as if all was
// well; now every record must be whole, hexadecimal and sum to 0, whatever its type.
TEST(ParseHexRecord, damagedRecordsAreReportedNotStored)
{
    struct Case {
        const char* line;
        HexRecordStatus status;
    };
    const Case cases[] = {
        {":01004000417F\n", HexRecordStatus::BadChecksum},
        {":00000001FE", HexRecordStatus::BadChecksum},
        {":0200400041BE\n", HexRecordStatus::Incomplete}, // byte count says 2, one byte follows
        {":01004000\n", HexRecordStatus::Incomplete},
        {":0100\n", HexRecordStatus::Incomplete},
        {":\n", HexRecordStatus::Incomplete},
        {":01004000417\n", HexRecordStatus::Incomplete},
        {":01004000G1BE\n", HexRecordStatus::InvalidDigit},
        {":0100400041 7E\n", HexRecordStatus::InvalidDigit},
        {":01Z0\n", HexRecordStatus::InvalidDigit},
        {":01004000417E00\n", HexRecordStatus::TrailingText},
    };
    for (const Case& c : cases) {
        FirmwareImage image;
        EXPECT_EQ(parseHexRecord(c.line, image), c.status) << c.line;
        EXPECT_FALSE(image.highestAddress) << c.line;
        EXPECT_EQ(image.bytes[0x40], 0) << c.line;
        EXPECT_STRNE(hexRecordProblem(c.status), "");
    }
    FirmwareImage image;
    EXPECT_EQ(parseHexRecord(":01004000417E  \r\n", image), HexRecordStatus::Accepted) << "trailing blanks are fine";
}

TEST(ParseHexRecord, dataRecordOver64Bytes_isRefusedNotSkipped)
{
    const auto record = [](int count) {
        QByteArray r = QByteArray::number(count, 16).toUpper().rightJustified(2, '0');
        r.prepend(':').append("000000").append(QByteArray(2 * count, 'A'));
        return appendRecordChecksum(r).append('\n');
    };
    FirmwareImage image;
    EXPECT_EQ(parseHexRecord(record(65).toStdString(), image), HexRecordStatus::TooLong);
    EXPECT_FALSE(image.highestAddress);
    EXPECT_EQ(parseHexRecord(record(64).toStdString(), image), HexRecordStatus::Accepted);
    EXPECT_EQ(image.highestAddress, 63);
}

TEST(ParseHexRecord, codeSpaceEndsAt7615)
{
    FirmwareImage image;
    // 0x1DBF + 1 byte = 7616: the last byte of the code space.
    EXPECT_EQ(parseHexRecord(appendRecordChecksum(":011DBF0077").toStdString(), image), HexRecordStatus::Accepted);
    EXPECT_EQ(image.highestAddress, 7615);
    EXPECT_EQ(image.bytes[7615], 0x77);
    EXPECT_EQ(parseHexRecord(appendRecordChecksum(":021DBF007777").toStdString(), image),
              HexRecordStatus::BeyondCodeSpace);
    EXPECT_EQ(parseHexRecord(appendRecordChecksum(":01FFFF0077").toStdString(), image),
              HexRecordStatus::BeyondCodeSpace);
    // A record of another type is never placed, so its address does not matter.
    EXPECT_EQ(parseHexRecord(appendRecordChecksum(":02FFFF040001").toStdString(), image), HexRecordStatus::Accepted);
}
