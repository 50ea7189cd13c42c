#include "module/ConfigControls.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(ConfigControls, valuesBeyondTheLastRowSelectTheLastRow)
{
    ModuleConfig erased;
    erased.units = 0xFF;
    erased.autoStart = 0xFF;
    erased.autoStop = 3;
    erased.autoZero = 0xFF;
    const ConfigControls c = controlsFromConfig(erased, false);
    EXPECT_EQ(c.unitsRow, 2);
    EXPECT_EQ(c.unitsText(), "Meters");
    EXPECT_EQ(c.autoStartRow, 3);
    EXPECT_EQ(c.autoStopRow, 2);
    EXPECT_EQ(c.autoZeroRow, 3);
    EXPECT_FALSE(c.autoZeroChecked);
}

TEST(ConfigControls, controlsFromConfig_showsTheRecord)
{
    ModuleConfig m;
    m.units = 1;
    m.blankDisplay = 1;
    m.moduleVersion = 3;
    m.recordTrigger = 1;
    m.startSeconds = 12;
    m.stopSeconds = 400;
    m.stopAltitude = 120;
    m.startAltitude = 65535;
    m.autoZero = 2;
    const ConfigControls c = controlsFromConfig(m, true);
    EXPECT_EQ(c.unitsText(), "Yards");
    EXPECT_TRUE(c.blankChecked);
    EXPECT_EQ(c.blankCaption, "Enable LCD backlight");
    EXPECT_TRUE(c.trigChecked);
    EXPECT_FALSE(c.revTrigChecked);
    EXPECT_EQ(c.t1Bar, 15);  // 12 snaps up to the next step
    EXPECT_EQ(c.t2Bar, 300); // kept within the range
    EXPECT_EQ(c.zCutBar, 150);
    EXPECT_EQ(c.autoStartSecText, "12");
    EXPECT_EQ(c.autoStartAltitudeText, "65535");
    EXPECT_TRUE(c.autoZeroChecked);
    EXPECT_TRUE(c.f5jVisible);
    EXPECT_EQ(blankCaption(2), "Blank display after 30 seconds");
}

TEST(ConfigControls, snapTrackBar_movesBetweenStepsUpAndStaysInRange)
{
    EXPECT_EQ(snapTrackBar(12, kT1Bar), 15);
    EXPECT_EQ(snapTrackBar(120, kZCutBar), 150);
    EXPECT_EQ(snapTrackBar(150, kZCutBar), 150);
    EXPECT_EQ(snapTrackBar(0, kZCutBar), 100);
    EXPECT_EQ(snapTrackBar(65535, kT2Bar), 300);
}

TEST(ConfigControls, applyControls_limitsSecondsAndShowsTheStoredValue)
{
    ModuleConfig m;
    m.baseInterval = 100;
    ConfigControls c;
    c.autoStartSecText = "70000";
    c.autoStopSecText = "-5";
    c.autoStartAltitudeText = "70000";
    c.autoStopAltitudeText = "  -1xyz";
    applyControls(c, m, false, 1000);
    EXPECT_EQ(m.startSeconds, 65535);
    EXPECT_EQ(c.autoStartSecText, "65535");
    EXPECT_EQ(m.stopSeconds, 0);
    EXPECT_EQ(c.autoStopSecText, "0");
    EXPECT_EQ(m.startAltitude, 70000 & 0xFFFF); // altitudes keep their low 16 bits
    EXPECT_EQ(m.stopAltitude, 0xFFFF);
    EXPECT_EQ(c.autoStopAltitudeText, "  -1xyz");
    EXPECT_EQ(m.intervalTicks, 10);
}

TEST(ConfigControls, applyControls_textWithoutDigitsGivesZero)
{
    ModuleConfig m;
    ConfigControls c;
    c.autoStartSecText = "abc";
    c.autoStartAltitudeText = "";
    applyControls(c, m, false, 1000);
    EXPECT_EQ(m.startSeconds, 0);
    EXPECT_EQ(m.startAltitude, 0);
    EXPECT_EQ(c.autoStartSecText, "abc");
}

TEST(ConfigControls, applyControls_f5jModuleTakesTheTrackBarsButTheStartAltitudeEdit)
{
    ModuleConfig m;
    m.baseInterval = 100;
    ConfigControls c;
    c.zCutBar = 450;
    c.t1Bar = 35;
    c.t2Bar = 20;
    c.autoStartSecText = "99";
    c.autoStartAltitudeText = "33";
    c.setAutoZeroChecked(true);
    c.unitsRow = 2;
    applyControls(c, m, true, 500);
    EXPECT_EQ(m.stopAltitude, 450);
    EXPECT_EQ(m.startSeconds, 35);
    EXPECT_EQ(m.stopSeconds, 20);
    EXPECT_EQ(m.startAltitude, 33);
    EXPECT_EQ(m.autoZero, kAutoZeroOnPowerup);
    EXPECT_EQ(m.units, 2);
    EXPECT_EQ(m.intervalTicks, 5);
}
