#pragma once

// A scripted module for exchange tests: answers the commands a test sets up, over a ScriptedChannel.

#include "link/SerialLink.h"
#include "module/ModuleConfig.h"
#include "module/ModuleSession.h"
#include "support/RecordingReporter.h"
#include "support/TranscriptChannel.h"

#include <gtest/gtest.h>
#include <map>

namespace vimo::test {

// Header and words of one data set as the module sends them.
inline QByteArray setReply(std::uint16_t interval, std::uint16_t wordCount, std::uint8_t trigger,
                           const std::vector<std::uint16_t>& words)
{
    QByteArray out;
    out += char(0);
    out += char(interval >> 8);
    out += char(interval & 0xFF);
    out += char(wordCount >> 8);
    out += char(wordCount & 0xFF);
    out += char(trigger);
    for (const std::uint16_t w : words) {
        out += char(w >> 8);
        out += char(w & 0xFF);
    }
    return out;
}

inline QByteArray wire(const ModuleConfig& config)
{
    const ConfigRecord r = encodeConfig(config);
    return QByteArray(reinterpret_cast<const char*>(r.data()), int(r.size()));
}

struct FakeModule {
    QByteArray identity = "VIMO\r\nMOD1\r\n0.07\r\n2024-06-01\r\n";
    QByteArray setList;     // the "s" reply
    QByteArray configReply; // the "r" reply
    QByteArray variantReply = QByteArray(1, '\0');
    std::map<int, QByteArray> sets; // set index -> "a" reply
    QByteArray lastRecord;          // the record that followed "c"

    void install(Wire& w)
    {
        w.respond = [this](Wire& wire, const QByteArray& bytes) {
            if (m_after == 'a') {
                m_after = 0;
                const auto it = sets.find(std::uint8_t(bytes[0]));
                if (it != sets.end())
                    wire.input += it->second;
                return;
            }
            if (m_after == 'c') {
                m_after = 0;
                lastRecord = bytes;
                return;
            }
            if (bytes.size() != 1)
                return;
            switch (bytes[0]) {
            case 'v':
                wire.input += identity;
                break;
            case 's':
                wire.input += setList;
                break;
            case 'r':
                wire.input += configReply;
                break;
            case 'M':
                wire.input += variantReply;
                break;
            case 'a':
            case 'c':
                m_after = bytes[0];
                break;
            default:
                break;
            }
        };
    }

private:
    char m_after = 0;
};

// A session over a scripted module; connected unless a test says otherwise. Pauses are recorded, not slept.
class ModuleTest : public ::testing::Test, protected ScriptedLink {
protected:
    ModuleTest() : session(link, reporter, pauseHook()) { module.install(w); }

    void connect()
    {
        ASSERT_TRUE(link.open(QStringLiteral("/dev/fake"), 115200));
        session.state.connected = true;
        wirePtr->events.clear();
    }

    FakeModule module;
    RecordingReporter reporter;
    ModuleSession session;
};

} // namespace vimo::test
