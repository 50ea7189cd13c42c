#include "module/ModuleSetup.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(ModuleSetup, memorySizeItem_selectsNothingOutsideTheList)
{
    EXPECT_EQ(memorySizeItem(0), -1); // before any configuration was read
    EXPECT_EQ(memorySizeItem(1), 0);
    EXPECT_EQ(memorySizeItem(8), 7);
    EXPECT_EQ(memorySizeItem(9), -1);
    EXPECT_STREQ(memorySizeItems[3], "32768 (24LC256)");
}

TEST(ModuleSetup, memorySizeForItem_neverGivesZero)
{
    EXPECT_EQ(memorySizeForItem(3), 4);
    EXPECT_EQ(memorySizeForItem(-1), std::nullopt); // typed text that matches no item
    EXPECT_EQ(memorySizeForItem(8), std::nullopt);
}

TEST(ModuleSetup, versionArrowsWrapAtEightBits)
{
    EXPECT_EQ(moduleVersionDown(0), 255);
    EXPECT_EQ(moduleVersionUp(255), 0);
    EXPECT_EQ(moduleVersionUp(2), 3);
}
