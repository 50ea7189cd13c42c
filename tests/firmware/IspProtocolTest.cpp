#include "firmware/IspProtocol.h"
#include "firmware/FirmwareImage.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(IspProtocol, recordsCarryTheirChecksums)
{
    EXPECT_EQ(ispStatusByteRecord(1), ":020000020301F8");
    EXPECT_EQ(ispStatusByteRecord(0), ":020000020300F9");
    EXPECT_EQ(ispConfigurationRecord(), ":0200000200"
                                        "63"
                                        "99");
    EXPECT_EQ(ispEraseRecord(0x0040), ":030000040000"
                                      "40"
                                      "B9");
    const std::uint8_t data[] = {0x01, 0x02, 0xAB};
    EXPECT_EQ(ispProgramRecord(0x1D80, data, 3), ":031D80000102AB"
                                                 "B2");
}

TEST(IspProtocol, sequenceErasesEveryPageAndProgramsUpToTheHighestAddress)
{
    FirmwareImage image;
    image.highestAddress = 99;
    const std::vector<IspRecord> records = ispRecords(image);
    ASSERT_EQ(records.size(), 1u + 119u + 2u + 2u);
    EXPECT_EQ(records.front().step, IspStep::StatusOn);
    EXPECT_EQ(records[1].address, 0);
    EXPECT_EQ(records[119].step, IspStep::Erase);
    EXPECT_EQ(records[119].address, 7552);
    EXPECT_EQ(records[120].step, IspStep::Program);
    EXPECT_TRUE(records[120].text.startsWith(":400000"));   // 64 bytes at 0x0000
    EXPECT_TRUE(records[121].text.startsWith(":24004000")); // 36 bytes at 0x0040
    EXPECT_EQ(records[122].step, IspStep::StatusOff);
    EXPECT_EQ(records[123].step, IspStep::ConfigurationByte);
}

TEST(IspProtocol, highestAddress64ProgramsASecondRecordOfOneByte)
{
    FirmwareImage image;
    image.highestAddress = 64;
    image.bytes[64] = 0x5A;
    const std::vector<IspRecord> records = ispRecords(image);
    ASSERT_EQ(records.size(), 1u + 119u + 2u + 2u);
    EXPECT_TRUE(records[121].text.startsWith(":010040005A"));

    FirmwareImage empty;
    EXPECT_EQ(ispRecords(empty).size(), 1u + 119u + 2u);
}

TEST(IspProtocol, repliesAndStepMessages)
{
    EXPECT_EQ(classifyIspReply('.'), IspReply::Accepted);
    EXPECT_EQ(ispReplyMessage(classifyIspReply('R')), "data byte write failure");
    EXPECT_EQ(ispReplyMessage(classifyIspReply('X')), "bad checksum");
    EXPECT_EQ(classifyIspReply('?'), IspReply::Other);
    EXPECT_EQ(ispReplyMessage(IspReply::Other), "");
    EXPECT_EQ(ispStepFailure(IspStep::StatusOff), "Error Setting Status Byte");
    EXPECT_EQ(ispStepFailure(IspStep::Erase), "Error Erasing Flash");
    EXPECT_EQ(ispStepFailure(IspStep::Program), "Error Programming Flash");
    EXPECT_EQ(ispStepFailure(IspStep::ConfigurationByte), "");
}
