#include "firmware/HexFile.h"
#include "firmware/FirmwareImage.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

    // UTF-16 text says what it is instead of failing on its first byte.
    const HexLoadResult utf16 = loadHexText(QByteArray("\xFF\xFE:\0"
                                                       "0\0",
                                                       6),
                                            image);
    EXPECT_FALSE(utf16.loaded());
    EXPECT_TRUE(utf16.message.contains("UTF-16")) << utf16.message.toStdString();

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
        // Each of these used to be programmed as if nothing were wrong.
        {"blank_before_record_line_2.hex", 2, "Hex file line 2: blanks before the record's \":\"."},
        {"nul_before_record_line_2.hex", 2, "Hex file line 2: blanks before the record's \":\"."},
        {"unknown_type_line_2.hex", 2, "Hex file line 2: unknown record type."},
        {"cut_short_extended_address_line_2.hex", 2, "Hex file line 2: record is incomplete."},
        {"long_record_bad_checksum_line_1.hex", 1, "Hex file line 1: bad checksum."},
        {"no_end_of_file_record_line_2.hex", 2,
         "Hex file line 2: the file ends without an end-of-file record; it may be cut short."},
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

// Data after an extended address other than 0 lies beyond the code space; it used to wrap onto address 0.
TEST(LoadHexFile, dataAfterAnExtendedAddressIsRefused)
{
    FirmwareImage image;
    const HexLoadResult r = loadFixture("extended_address_line_2_refused.hex", image);
    EXPECT_EQ(r.status, HexLoadStatus::BeyondCodeSpace);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(r.message, "Hex file line 2: data beyond the code space after an extended address.");
    EXPECT_FALSE(image.highestAddress);
    // An extended address of 0 changes nothing.
    EXPECT_TRUE(loadHexText(":020000040000FA\n:0100000001FE\n:00000001FF\n", image).loaded());
    EXPECT_TRUE(loadHexText(":020000040001F9\n:020000040000FA\n:0100000001FE\n:00000001FF\n", image).loaded());
}

TEST(LoadHexFile, linesAfterTheEndOfFileRecordAreIgnoredWithANote)
{
    FirmwareImage image;
    const HexLoadResult r = loadFixture("data_after_end_of_file_line_3.hex", image);
    ASSERT_TRUE(r.loaded());
    EXPECT_EQ(r.note, "Hex file line 3: ignored, it follows the end-of-file record on line 2.");
    EXPECT_EQ(image.highestAddress, 0);
    EXPECT_EQ(image.bytes[1], 0);
    EXPECT_TRUE(loadHexText(":0100000001FE\n:00000001FF\n\n  \n", image).note.isEmpty());
}

#ifdef Q_OS_UNIX
// A device, a FIFO or a huge file is refused at once, without reading it (or waiting for a writer).
TEST(LoadHexFile, onlyRegularFilesUpTo1MBAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.hex"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath(QStringLiteral("big.hex"));
    test::writeFile(big, QByteArray(kMaxHexFileBytes + 1, '\n'));
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo, big}) {
        FirmwareImage image;
        const HexLoadResult r = loadHexFile(path, image);
        EXPECT_EQ(r.status, HexLoadStatus::FileNotOpened) << path.toStdString();
        EXPECT_EQ(r.reason, path == big ? QStringLiteral("The file is larger than 1048576 bytes")
                                        : QStringLiteral("Not a regular file"));
    }
}
#endif

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
