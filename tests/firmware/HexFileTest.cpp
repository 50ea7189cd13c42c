#include "firmware/FirmwareImage.h"
#include "firmware/HexFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

HexLoadResult loadFixture(const char* name, FirmwareImage& image)
{
    return loadHexFile(test::fixturePath(QString::fromLatin1(name)), image);
}

bool allZeroFrom(const FirmwareImage& image, int from)
{
    for (int a = from; a < FirmwareImage::kSize; ++a) {
        if (image.bytes[std::size_t(a)] != 0)
            return false;
    }
    return true;
}

} // namespace

TEST(LoadHexFile, recordsCoveringAddresses0To99)
{
    FirmwareImage image;
    const HexLoadResult r = loadFixture("addresses_0_to_99.hex", image);
    ASSERT_TRUE(r.loaded()) << r.message.toStdString();
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(image.highestAddress, 99);
    for (int a = 0; a < 100; ++a)
        EXPECT_EQ(image.bytes[std::size_t(a)], a) << a;
    EXPECT_TRUE(allZeroFrom(image, 100));
}

TEST(LoadHexFile, lastByteOfCodeSpaceIsAcceptedOneFurtherIsRefused)
{
    FirmwareImage image;
    EXPECT_TRUE(loadFixture("ends_at_code_space.hex", image).loaded());
    EXPECT_EQ(image.highestAddress, 7615);

    const HexLoadResult r = loadFixture("beyond_code_space.hex", image);
    EXPECT_EQ(r.status, HexLoadStatus::BeyondCodeSpace);
    EXPECT_EQ(r.message, "Hex file exceeds code space");
    EXPECT_EQ(r.line, 2);
    EXPECT_FALSE(image.highestAddress) << "a refused file leaves no image to program";
    EXPECT_EQ(image.bytes[0], 0);
}

TEST(LoadHexFile, recordSizeLimitAndOtherRecordTypes)
{
    FirmwareImage image;
    // A data record of 65 bytes would silently lose its bytes if skipped: the file is refused instead.
    const HexLoadResult tooLong = loadFixture("record_65_bytes_refused.hex", image);
    EXPECT_EQ(tooLong.status, HexLoadStatus::BadRecord);
    EXPECT_EQ(tooLong.line, 1);
    EXPECT_TRUE(tooLong.message.contains(QStringLiteral("longer than 64 bytes"))) << tooLong.message.toStdString();
    EXPECT_FALSE(image.highestAddress);

    ASSERT_TRUE(loadFixture("record_64_bytes_stored.hex", image).loaded());
    EXPECT_EQ(image.highestAddress, 0x13F);
    EXPECT_EQ(image.bytes[0x100], 0x55);

    // After an extended linear address record, data still lands at its 16-bit address.
    ASSERT_TRUE(loadFixture("extended_address_ignored.hex", image).loaded());
    EXPECT_EQ(image.highestAddress, 0x23);
    EXPECT_EQ(image.bytes[0x20], 0xDE);
    EXPECT_EQ(image.bytes[0x23], 0xEF);
}

TEST(LoadHexFile, laterRecordOverwritesEarlierAndLoadStartsFromZero)
{
    FirmwareImage image;
    image.bytes[5000] = 0xEE;
    ASSERT_TRUE(loadFixture("later_record_overwrites.hex", image).loaded());
    EXPECT_EQ(image.bytes[0x12], 9);
    EXPECT_EQ(image.bytes[0x13], 4);
    EXPECT_EQ(image.highestAddress, 0x13);
    EXPECT_EQ(image.bytes[5000], 0) << "every load starts from an image of zeros";
}

TEST(LoadHexFile, lineEndsCaseByteOrderMarkAndNonRecordLines)
{
    FirmwareImage image;
    ASSERT_TRUE(loadFixture("lower_case_crlf_bom.hex", image).loaded());
    EXPECT_EQ(image.bytes[0], 0xAB);
    EXPECT_EQ(image.bytes[2], 0xEF);
    ASSERT_TRUE(loadFixture("comment_lines_ignored.hex", image).loaded());
    EXPECT_EQ(image.highestAddress, 1);

    // Old Mac line ends (CR alone) split lines too.
    ASSERT_TRUE(loadHexText(":01004000417E\r:00000001FF\r", image).loaded());
    EXPECT_EQ(image.bytes[0x40], 0x41);
}

// Flashing a file without data used to erase the module and report success.
TEST(LoadHexFile, fileWithoutDataIsRefused)
{
    for (const char* name : {"no_data.hex", "empty.hex", "not_a_hex_file.hex"}) {
        FirmwareImage image;
        const HexLoadResult r = loadFixture(name, image);
        EXPECT_EQ(r.status, HexLoadStatus::NoData) << name;
        EXPECT_EQ(r.message, "Hex file contains no data.") << name;
        EXPECT_FALSE(image.highestAddress) << name;
    }
}

// A damaged record used to be flashed as far as it went; now it refuses the whole file and names its line.
TEST(LoadHexFile, damagedRecordRefusesWholeFileNamingTheLine)
{
    struct Case {
        const char* file;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"bad_checksum_line_3.hex", 3, "Hex file line 3: bad checksum."},
        {"incomplete_record_line_2.hex", 2, "Hex file line 2: record is incomplete."},
        {"invalid_digit_line_4.hex", 4, "Hex file line 4: invalid hex digit."},
        {"trailing_text_line_1.hex", 1, "Hex file line 1: unexpected text after the checksum."},
        {"truncated_last_line_5.hex", 5, "Hex file line 5: record is incomplete."},
        {"bad_checksum_in_eof_record_line_2.hex", 2, "Hex file line 2: bad checksum."},
    };
    for (const Case& c : cases) {
        FirmwareImage image;
        const HexLoadResult r = loadFixture(c.file, image);
        EXPECT_EQ(r.status, HexLoadStatus::BadRecord) << c.file;
        EXPECT_EQ(r.line, c.line) << c.file;
        EXPECT_EQ(r.message, QString::fromLatin1(c.message)) << c.file;
        EXPECT_FALSE(image.highestAddress) << c.file;
        EXPECT_EQ(image.bytes[0], 0) << c.file << ": nothing of the good records before it remains";
    }
}

TEST(LoadHexFile, missingFileOrFolderIsNotOpened)
{
    FirmwareImage image;
    image.highestAddress = 3;
    const HexLoadResult r = loadHexFile(test::fixturePath(QStringLiteral("no_such_file.hex")), image);
    EXPECT_EQ(r.status, HexLoadStatus::FileNotOpened);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_FALSE(image.highestAddress);
    EXPECT_EQ(loadHexFile(test::fixturePath(QString()), image).status, HexLoadStatus::FileNotOpened);
}
