#include "link/SerialLink.h"

#include "SimCommandLine.h"
#include "support/SimFixture.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using vimo::SerialLink;
using namespace vimo::sim;
using vimo::test::SimFixture;

namespace {

// The bytes a hex record text stands for, with its checksum appended, as the host builds them.
QByteArray record(const QByteArray& body)
{
    const QByteArray bytes = QByteArray::fromHex(body.mid(1));
    quint8 sum = 0;
    for (const char b : bytes)
        sum = quint8(sum + quint8(b));
    return body + QByteArray::number(quint8(-sum), 16).rightJustified(2, '0').toUpper();
}

class SimOverLink : public ::testing::Test {
protected:
    void open(const SimOptions& options = vimo::test::simWithSets(2, 40))
    {
        sim = std::make_unique<SimFixture>(options);
        ASSERT_TRUE(link.open(sim->path(), 115200));
    }
    // Sends `command` and returns the reply bytes (everything until the line is quiet).
    QByteArray ask(const QByteArray& command, int expected)
    {
        link.write(command);
        bool ok = false;
        QByteArray reply = link.readExact(expected, 2000, &ok);
        reply += link.readExact(1, 100, &ok); // nothing more may follow
        return reply;
    }
    SimModel model() { return (*sim)->model(); }

    std::unique_ptr<SimFixture> sim;
    SerialLink link;
};

TEST_F(SimOverLink, identitySetListConfigurationAndVariant)
{
    open();
    EXPECT_EQ(ask("v", 28), QByteArray("VIMO\r\nMOD2\r\n1.07\r\n05-14-06\r\n"));
    EXPECT_EQ(ask("s", 14), QByteArray("1, 40\r\n2, 40\r\n"));
    const QByteArray config = ask("r", 28);
    ASSERT_EQ(config.size(), 28);
    EXPECT_EQ(config.left(8), QByteArray("\xab\xcd\x00\x0a\x00\x01\x00\x64", 8)); // big-endian 16-bit fields
    EXPECT_EQ(ask("M", 1), QByteArray(1, '\0'));
}

TEST_F(SimOverLink, f5jVariantAndErasedModule)
{
    SimOptions options;
    options.f5j = true;
    options.erasedConfig = true;
    open(options);
    EXPECT_EQ(ask("M", 1), QByteArray(1, '\1'));
    EXPECT_EQ(ask("r", 28), QByteArray(28, char(0xFF)));
}

TEST_F(SimOverLink, writeConfigResetDefaultsCalibrateEraseLive)
{
    open();
    QByteArray written(28, '\0');
    for (int i = 0; i < 28; ++i)
        written[i] = char(0x40 + i);
    link.write("c", 1);
    link.write(written);
    EXPECT_EQ(ask("r", 28), written);
    EXPECT_EQ(ask("*", 0), QByteArray());
    EXPECT_EQ(ask("r", 28).left(2), QByteArray("\xab\xcd"));

    const qsizetype before = (*sim)->received().size();
    link.write("$", 1);
    link.write("t\x04\xd2", 3);
    link.write("x", 1);
    link.write("l", 1);
    ASSERT_TRUE((*sim)->waitForReceived(before + 6, 2000));
    EXPECT_EQ((*sim)->received().mid(before), QByteArray("$t\x04\xd2xl"));
    const SimModel m = model();
    EXPECT_EQ(m.calibration, qint16(1234));
    EXPECT_TRUE(m.sets.empty());
    EXPECT_TRUE(m.liveOutput);
    EXPECT_EQ(ask("s", 0), QByteArray());
}

TEST_F(SimOverLink, dataSet_headerThenBigEndianWords)
{
    open();
    const SimDataSet set = model().sets.at(1);
    const QByteArray reply = ask(QByteArray("a\x01", 2), 6 + 80);
    ASSERT_EQ(reply.size(), 86);
    EXPECT_EQ(reply.left(6), QByteArray("\x00\x00\x0a\x00\x28\x00", 6)); // interval 10, 40 words, no triggers
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ((quint8(reply[6 + 2 * i]) << 8) | quint8(reply[7 + 2 * i]), set.words[size_t(i)]);
    EXPECT_EQ(ask(QByteArray("a\x07", 2), 0), QByteArray()); // no such set
}

TEST_F(SimOverLink, dataSetFaults_noHeaderSilenceAndZeroCount)
{
    open();
    SimFaults faults;
    faults.silenceAfterWords = 3;
    faults.wordCountZero = true;
    (*sim)->setFaults(faults);
    const QByteArray reply = ask(QByteArray("a\0", 2), 12);
    EXPECT_EQ(reply.size(), 12);
    EXPECT_EQ(reply.mid(3, 2), QByteArray(2, '\0'));
    faults.noHeader = true;
    faults.shortConfigBytes = 5;
    faults.noVariantReply = true;
    (*sim)->setFaults(faults);
    EXPECT_EQ(ask(QByteArray("a\0", 2), 0), QByteArray());
    EXPECT_EQ(ask("r", 5).size(), 5);
    EXPECT_EQ(ask("M", 0), QByteArray());
}

TEST_F(SimOverLink, resetModule_isDeafWhileRestarting)
{
    SimOptions options;
    options.restartMs = 300;
    open(options);
    link.write("R", 1);
    EXPECT_EQ(ask("M", 0), QByteArray());
    QThread::msleep(400);
    EXPECT_EQ(ask("M", 1), QByteArray(1, '\0'));
    EXPECT_EQ(model().restarts, 1);
}

TEST_F(SimOverLink, bootLoader_syncEchoStatusEraseProgramAndReset)
{
    open();
    link.write("P", 1);
    link.close();
    ASSERT_TRUE(link.open(sim->path(), 4800));
    EXPECT_EQ(ask("U", 1), QByteArray("U"));
    const QByteArray status = record(":0200000203"
                                     "01");
    EXPECT_EQ(status, QByteArray(":020000020301F8"));
    EXPECT_EQ(ask(status, status.size() + 1), QByteArray(status + '.'));
    const QByteArray erase = record(":0300000400"
                                    "0040");
    EXPECT_EQ(ask(erase, erase.size() + 1), QByteArray(erase + '.'));
    const QByteArray program = record(":03004000"
                                      "A1B2C3");
    EXPECT_EQ(ask(program, program.size() + 1), QByteArray(program + '.'));
    QByteArray bad = program;
    bad.back() = bad.back() == '0' ? '1' : '0';
    EXPECT_EQ(ask(bad, bad.size() + 1), QByteArray(bad + 'X'));
    const QByteArray beyond = record(":02"
                                     "1DC0"
                                     "00"
                                     "0102"); // 7616: past the program memory
    EXPECT_EQ(ask(beyond, beyond.size() + 1), QByteArray(beyond + 'R'));
    EXPECT_EQ(ask(record(":0200000200"
                         "63"),
                  16)
                  .right(1),
              QByteArray("."));

    SimModel m = model();
    EXPECT_TRUE(m.inBootLoader);
    EXPECT_EQ(m.programMemory.mid(0x40, 4), QByteArray("\xa1\xb2\xc3\xff"));
    EXPECT_EQ(m.bootStatusByte, 1);
    EXPECT_EQ(m.bootConfigByte, 0x63);
    const qsizetype before = (*sim)->received().size();
    link.write(":00000008F8");
    ASSERT_TRUE((*sim)->waitForReceived(before + 11, 2000));
    link.close();
    ASSERT_TRUE(link.open(sim->path(), 115200));
    link.drain();
    EXPECT_EQ(ask("M", 1), QByteArray(1, '\0')); // the firmware runs again
    EXPECT_EQ(model().bootRecords.back(), QByteArray(":00000008F8"));
}

TEST_F(SimOverLink, bootLoaderFaults_hitTheChosenRecords)
{
    SimOptions options;
    options.blank = true;
    options.faults.bootFault = BootFault::ChecksumError;
    options.faults.bootFaultFrom = 1;
    options.faults.bootFaultCount = 1;
    open(options);
    EXPECT_EQ(ask("U", 1), QByteArray("U"));
    const QByteArray status = record(":0200000203"
                                     "01");
    EXPECT_EQ(ask(status, 16).right(1), QByteArray("."));
    EXPECT_EQ(ask(status, 16).right(1), QByteArray("X")); // record 1
    EXPECT_EQ(ask(status, 16).right(1), QByteArray("."));

    SimFaults faults;
    faults.bootFault = BootFault::NoEcho;
    (*sim)->setFaults(faults);
    EXPECT_EQ(ask(status, 1), QByteArray("."));
    faults.bootFault = BootFault::Silent;
    (*sim)->setFaults(faults);
    EXPECT_EQ(ask(status, 15), status);
    faults.bootFault = BootFault::WriteFailure;
    (*sim)->setFaults(faults);
    EXPECT_EQ(ask(status, 16).right(1), QByteArray("R"));
    faults.bootFault = BootFault::NoSync;
    (*sim)->setFaults(faults);
    EXPECT_EQ(ask("U", 0), QByteArray());
}

TEST(SimModuleLog, everyReceivedByteGoesToTheLogAndTheLink)
{
    QTemporaryDir dir;
    SimOptions options;
    options.logPath = dir.filePath(QStringLiteral("wire.bin"));
    options.linkPath = dir.filePath(QStringLiteral("vimo"));
    {
        SimFixture sim(options);
        SerialLink link;
        ASSERT_TRUE(link.open(options.linkPath, 115200));
        link.write(QByteArray("$t\x04\xd2", 4));
        ASSERT_TRUE(sim->waitForReceived(4, 2000));
        EXPECT_EQ(sim->received(), QByteArray("$t\x04\xd2"));
    }
    EXPECT_EQ(vimo::test::readFile(options.logPath), QByteArray("$t\x04\xd2"));
    EXPECT_FALSE(QFileInfo::exists(options.linkPath)) << "the link goes with the simulator";
}

TEST(SimCommandLine, faultsAndOptionsAreRead)
{
    SimOptions options;
    QString error;
    ASSERT_TRUE(parseSimArguments({"vimo-sim",
                                   "--pace",
                                   "--baud",
                                   "4800",
                                   "--sets",
                                   "5",
                                   "--words",
                                   "65535",
                                   "--silence-after",
                                   "200",
                                   "--word-count-zero",
                                   "--short-config",
                                   "10",
                                   "--no-variant",
                                   "--no-header",
                                   "--boot-fault",
                                   "X",
                                   "--boot-fault-count",
                                   "1",
                                   "--f5j",
                                   "--erased-config",
                                   "--link",
                                   "/tmp/v"},
                                  options, &error))
        << error.toStdString();
    EXPECT_TRUE(options.pace);
    EXPECT_EQ(options.baud, 4800);
    EXPECT_EQ(options.sets, 5);
    EXPECT_EQ(options.words, 65535);
    EXPECT_EQ(options.faults.silenceAfterWords, 200);
    EXPECT_TRUE(options.faults.wordCountZero);
    EXPECT_EQ(options.faults.shortConfigBytes, 10);
    EXPECT_TRUE(options.faults.noVariantReply);
    EXPECT_TRUE(options.faults.noHeader);
    EXPECT_EQ(options.faults.bootFault, BootFault::ChecksumError);
    EXPECT_EQ(options.faults.bootFaultCount, 1);
    EXPECT_TRUE(options.f5j && options.erasedConfig);
    EXPECT_EQ(options.linkPath, QStringLiteral("/tmp/v"));

    for (const QStringList& bad : {QStringList{"vimo-sim", "--words", "65536"},
                                   {"vimo-sim", "--sets", "-1"},
                                   {"vimo-sim", "--boot-fault", "maybe"},
                                   {"vimo-sim", "extra"},
                                   {"vimo-sim", "--nonsense"}}) {
        SimOptions ignored;
        EXPECT_FALSE(parseSimArguments(bad, ignored, &error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
