#pragma once

// Helpers of the module reply fuzz targets: a session over a channel that hands the fuzzer's bytes to the program
// as a reply and then reports the device gone, so every exchange ends at once when the bytes run out.

#include "../support/SilentReporter.h"
#include "../support/TranscriptChannel.h"
#include "module/ModuleSession.h"

#include <QByteArray>

namespace vimo::fuzz {

// A connected session whose port answers the write `trigger` (or, when empty, the first write) with `reply`, then
// goes dead.
struct ReplySession {
    ReplySession(const QByteArray& trigger, const QByteArray& reply) : session(wire.link, reporter, [](int) {})
    {
        wire.w.dryReadsReturnAtOnce = true;
        wire.w.respond = [trigger, reply](test::Wire& w, const QByteArray& written) {
            if (!trigger.isEmpty() && written != trigger)
                return;
            w.input += reply;
            w.goneWhenDry = true;
        };
        wire.link.open(QStringLiteral("/dev/fuzz"), 115200);
        session.state.connected = true;
    }

    test::ScriptedLink wire;
    test::SilentReporter reporter;
    ModuleSession session;
};

} // namespace vimo::fuzz
