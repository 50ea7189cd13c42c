#pragma once

#include <QString>
#include <optional>

namespace vimo {

// `vimo --version` and `vimo --help` are answered before any window exists, so both work without a display (in a
// terminal over ssh, in a package check).

// The text to print for the first of --version, --help and -h among the arguments (argv[0] excluded), or nothing
// when the program should start its window. Other arguments are left to Qt (-platform, -style, ...).
std::optional<QString> answerStartOption(int argc, const char* const* argv);

} // namespace vimo
