#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vimo {

// `vimo --version` and `vimo --help` are answered before any window exists, so both work without a display (in a
// terminal over ssh, in a package check).

// The text to print for the first of --version, --help and -h among the arguments (argv[0] excluded), or nothing
// when the program should start its window. Other arguments are left to Qt (-platform, -style, ...).
std::optional<QString> answerStartOption(int argc, const char* const* argv);

// The data files named on the command line (`vimo FILE.csv...`, as the desktop opens files with the program), made
// absolute, in their order. `arguments` are the application's once Qt has taken its own options out (argv[0]
// first). Other options are passed over; after "--" every argument is a file.
QStringList filesToOpen(const QStringList& arguments);

} // namespace vimo
