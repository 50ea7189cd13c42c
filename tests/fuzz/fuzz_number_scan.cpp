// Fuzzes the locale-independent number scanner that reads every number in data files and dialogs.
#include "data/CFormat.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double a = 0, b = 0;
    std::int32_t c = 0, d = 0;
    vimo::cformat::scan(text, "%lf, %lf, %d, %d", {&a, &b, &c, &d});
    vimo::cformat::scan(text, "%lf,%lf,%lf,%lf, %d", {&a, &b, &a, &b, &c});
    vimo::cformat::scan(text, "%d, %d", {&c, &d});
    // Whatever the exact conversion reads as a finite number, the scanner reads as the same number.
    double exact = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), exact);
    if (error == std::errc() && std::isfinite(exact)) {
        double parsed = 0;
        if (!vimo::cformat::parseDouble(text, parsed) || parsed != exact || std::signbit(parsed) != std::signbit(exact))
            std::abort();
    }
    vimo::cformat::general(a);
    // The fixed notation equals the exact conversion's digits.
    for (const double v : {a, b, exact}) {
        char reference[400];
        const auto written = std::to_chars(reference, reference + sizeof reference, v, std::chars_format::fixed, 4);
        if (std::isfinite(v) && vimo::cformat::fixed(v, 4) != QByteArray(reference, written.ptr - reference))
            std::abort();
    }
    return 0;
}
