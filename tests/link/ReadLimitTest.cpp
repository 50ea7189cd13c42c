#include "link/SerialLink.h"

#include "ScriptedChannel.h"

#include <gtest/gtest.h>

using vimo::SerialLink;
using vimo::test::ScriptedChannel;

namespace {

// An open link whose reads replay `script`.
std::unique_ptr<SerialLink> scriptedLink(std::deque<ScriptedChannel::Read> script)
{
    auto link = std::make_unique<SerialLink>(std::make_unique<ScriptedChannel>(std::move(script)));
    EXPECT_TRUE(link->open(QStringLiteral("scripted"), 115200));
    return link;
}

// A read that began before the limit and came back after it with the last byte completes the reply: the reply is
// whole, so it counts, where a literal "limit reached means failure" rule would turn it into a time-out.
TEST(ReadLimit, readExact_lastByteAfterLimit_stillSucceeds)
{
    const auto link = scriptedLink({{0, QByteArray(27, 'a')}, {80, QByteArray(1, 'b')}});
    char buffer[29];
    EXPECT_EQ(link->readExact(buffer, 28, 50), 28);
    EXPECT_EQ(buffer[27], 'b');
    EXPECT_EQ(buffer[28], 0);
}

TEST(ReadLimit, readLine_lineEndAfterLimit_stillSucceeds)
{
    const auto link = scriptedLink({{0, QByteArray("1.07\r")}, {80, QByteArray("\n")}});
    char buffer[11];
    EXPECT_EQ(link->readLine(buffer, 10, 50), 4);
    EXPECT_STREQ(buffer, "1.07");
}

TEST(ReadLimit, readExact_stillShortAfterLimit_failsWithThePart)
{
    const auto link = scriptedLink({{0, QByteArray(20, 'a')}, {80, QByteArray(2, 'b')}});
    char buffer[29];
    EXPECT_EQ(link->readExact(buffer, 28, 50), 0);
    EXPECT_EQ(link->receivedCount(), 22);
}

} // namespace
