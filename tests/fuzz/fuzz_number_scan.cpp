// Fuzzes the locale-independent number scanner that reads every number in data files and dialogs.
#include "data/CFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double a = 0, b = 0;
    std::int32_t c = 0, d = 0;
    vimo::cformat::scan(text, "%lf, %lf, %d, %d", {&a, &b, &c, &d});
    vimo::cformat::scan(text, "%lf,%lf,%lf,%lf, %d", {&a, &b, &a, &b, &c});
    vimo::cformat::scan(text, "%d, %d", {&c, &d});
    vimo::cformat::general(a);
    vimo::cformat::fixed(b, 4, 9);
    return 0;
}
