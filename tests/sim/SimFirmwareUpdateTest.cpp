// The firmware update end to end: the real SerialLink on a pseudo-terminal, the simulated module's boot loader on
// the other side.

#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpdate.h"
#include "firmware/IspProtocol.h"
#include "link/SerialLink.h"
#include "support/RecordingReporter.h"
#include "support/SimFixture.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

class SimFirmwareUpdate : public ::testing::Test {
protected:
    explicit SimFirmwareUpdate(const sim::SimOptions& options = {}) : sim(options) {}

    int update(const char* fixture)
    {
        FirmwareUpdateOptions options;
        options.devicePath = sim.path();
        options.baud = 115200;
        return runFirmwareUpdate(firmwareFixture(fixture), options, link, reporter, image);
    }

    static sim::SimOptions fault(sim::BootFault kind, int from, int count)
    {
        sim::SimOptions o;
        o.faults.bootFault = kind;
        o.faults.bootFaultFrom = from;
        o.faults.bootFaultCount = count;
        return o;
    }

    SimFixture sim;
    SerialLink link;
    RecordingReporter reporter;
    FirmwareImage image;
};

TEST_F(SimFirmwareUpdate, fullImage_everyRecordInOrderAndTheProgramMemoryHoldsTheImage)
{
    ASSERT_EQ(update("full_code_space.hex"), kUpdateOk);
    EXPECT_EQ(reporter.memo, QStringList{"ISP Mode Initiated"});
    const sim::SimModel m = sim->model();
    QList<QByteArray> expected;
    for (const IspRecord& r : ispRecords(image))
        expected << r.text;
    EXPECT_EQ(m.bootRecords.mid(0, expected.size()), expected);
    EXPECT_EQ(m.programMemory, QByteArray(reinterpret_cast<const char*>(image.bytes.data()), FirmwareImage::kSize));
    EXPECT_EQ(m.bootConfigByte, 0x63);
    EXPECT_EQ(m.bootStatusByte, 0);
    EXPECT_TRUE(sim->received().startsWith("P"));
    // The last record has left the port when the update returns; the simulator's thread may still be reading it.
    QDeadlineTimer arrival(2000);
    while (!sim->received().endsWith(":00000008F8") && !arrival.hasExpired())
        QThread::msleep(5);
    EXPECT_TRUE(sim->received().endsWith(":00000008F8"));
    EXPECT_FALSE(link.isOpen());
}

class BadChecksumOnce : public SimFirmwareUpdate {
protected:
    BadChecksumOnce() : SimFirmwareUpdate(fault(sim::BootFault::ChecksumError, 0, 1)) {}
};
TEST_F(BadChecksumOnce, update_reportsItOnceAndGoesOn)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(reporter.memo, (QStringList{"ISP Mode Initiated", "bad checksum"}));
}

class NoEcho : public SimFirmwareUpdate {
protected:
    NoEcho() : SimFirmwareUpdate(fault(sim::BootFault::NoEcho, 0, 1)) {}
};
TEST_F(NoEcho, update_recordWithoutEchoStillCountsAsAccepted)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(reporter.memo, (QStringList{"ISP Mode Initiated", "Sent data not echoed"}));
}

class WriteFailureOnErase : public SimFirmwareUpdate {
protected:
    WriteFailureOnErase() : SimFirmwareUpdate(fault(sim::BootFault::WriteFailure, 1, -1)) {}
};
TEST_F(WriteFailureOnErase, update_stopsWithErrorErasingFlash)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateRecordFailed);
    EXPECT_EQ(reporter.memo, (QStringList{"ISP Mode Initiated", "data byte write failure", "data byte write failure",
                                          "data byte write failure", "Error Erasing Flash"}));
    EXPECT_FALSE(link.isOpen());
}

class SilentStatus : public SimFirmwareUpdate {
protected:
    SilentStatus() : SimFirmwareUpdate(fault(sim::BootFault::Silent, 0, -1)) {}
};
TEST_F(SilentStatus, update_noResponseThreeTimesThenErrorSettingStatusByte)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateRecordFailed);
    EXPECT_EQ(reporter.memo, (QStringList{"ISP Mode Initiated", "no response", "no response", "no response",
                                          "Error Setting Status Byte"}));
}

class NoSync : public SimFirmwareUpdate {
protected:
    NoSync() : SimFirmwareUpdate(fault(sim::BootFault::NoSync, 0, -1)) {}
};
TEST_F(NoSync, update_targetNotResponding)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateNoBootLoader);
    EXPECT_EQ(reporter.memo, QStringList{"Target not responding"});
    EXPECT_EQ(sim->model().syncs, 3);
    EXPECT_FALSE(link.isOpen());
}
