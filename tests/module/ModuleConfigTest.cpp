#include "module/ModuleConfig.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

ModuleConfig distinctValues()
{
    ModuleConfig c;
    c.signature = 0xABCD;
    c.intervalTicks = 0x0102;
    c.units = 2;
    c.blankDisplay = 1;
    c.baseInterval = 0x0064;
    c.reserved1 = 0x1122;
    c.reserved2 = 0x3344;
    c.reverseTrigger = 1;
    c.recordTrigger = 0;
    c.startSeconds = 0x000A;
    c.stopSeconds = 0x003C;
    c.startAltitude = 0x0014;
    c.stopAltitude = 0xFFF1;
    c.autoStart = 3;
    c.autoStop = 2;
    c.autoZero = 1;
    c.moduleVersion = 4;
    c.memorySize = 8;
    c.reserved3 = 0x5A;
    return c;
}

const ConfigRecord kDistinctWire = {0xAB, 0xCD, 0x01, 0x02, 0x02, 0x01, 0x00, 0x64, 0x11, 0x22, 0x33, 0x44, 0x01, 0x00,
                                    0x00, 0x0A, 0x00, 0x3C, 0x00, 0x14, 0xFF, 0xF1, 0x03, 0x02, 0x01, 0x04, 0x08, 0x5A};

} // namespace

TEST(ModuleConfig, encode_putsEveryFieldAtItsOffsetBigEndian)
{
    EXPECT_EQ(encodeConfig(distinctValues()), kDistinctWire);
}

TEST(ModuleConfig, decode_isTheInverseOfEncode)
{
    const auto decoded = decodeConfig(QByteArrayView(reinterpret_cast<const char*>(kDistinctWire.data()), 28));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, distinctValues());
}

TEST(ModuleConfig, decode_refusesAnythingButTwentyEightBytes)
{
    const QByteArray bytes(29, '\x01');
    EXPECT_FALSE(decodeConfig(QByteArrayView(bytes).first(27)));
    EXPECT_FALSE(decodeConfig(bytes));
    EXPECT_FALSE(decodeConfig(QByteArrayView()));
}

TEST(ModuleConfig, fieldTable_namesTheFieldsInRecordOrderWithTheirWidths)
{
    ASSERT_EQ(configFieldName(0), "signature");
    EXPECT_EQ(configFieldName(kConfigFieldCount - 1), "reserved3");
    int bytes = 0;
    for (int i = 0; i < kConfigFieldCount; ++i)
        bytes += configFieldWidth(i);
    EXPECT_EQ(bytes, ModuleConfig::kWireSize);
    EXPECT_EQ(findConfigField("stopAltitude"), 12);
    EXPECT_EQ(findConfigField("nonsense"), -1);
    EXPECT_EQ(configFieldValue(distinctValues(), findConfigField("stopAltitude")), 0xFFF1u);
}

TEST(ModuleConfig, setConfigField_refusesValuesTheFieldCannotHold)
{
    ModuleConfig c;
    EXPECT_TRUE(setConfigField(c, findConfigField("startSeconds"), 65535));
    EXPECT_EQ(c.startSeconds, 65535);
    EXPECT_FALSE(setConfigField(c, findConfigField("startSeconds"), 65536));
    EXPECT_FALSE(setConfigField(c, findConfigField("units"), 256));
    EXPECT_FALSE(setConfigField(c, findConfigField("units"), -1));
    EXPECT_FALSE(setConfigField(c, -1, 0));
    EXPECT_EQ(c.units, 0);
}
