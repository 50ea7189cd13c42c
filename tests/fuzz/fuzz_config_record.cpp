// Fuzzes the configuration record: its decoding and encoding, the Configure page built from any record (values
// beyond a group's rows, any interval, any memory size), and the "r" / "M" exchange over the serial link.
#include "FuzzModule.h"
#include "module/Configuration.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto config = vimo::decodeConfig(bytes)) {
        const vimo::ConfigRecord wire = vimo::encodeConfig(*config);
        if (QByteArrayView(reinterpret_cast<const char*>(wire.data()), qsizetype(wire.size())) != bytes)
            std::abort();
        for (const bool f5j : {false, true}) {
            vimo::ModuleConfig copy = *config;
            vimo::ConfigControls controls = vimo::controlsFromConfig(copy, f5j);
            vimo::IntervalEditor editor;
            editor.setInterval(std::uint32_t(copy.intervalTicks) * copy.baseInterval);
            vimo::showRecordInterval(editor, copy.baseInterval, copy.memorySize);
            if (editor.recordInterval > vimo::IntervalEditor::kMaxInterval)
                std::abort();
            vimo::applyControls(controls, copy, f5j, editor.recordInterval);
        }
    }

    // The reply to "r" and then the variant byte.
    vimo::fuzz::ReplySession s(QByteArrayLiteral("r"), bytes.toByteArray());
    vimo::readConfiguration(s.session);
    return 0;
}
