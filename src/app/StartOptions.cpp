#include "app/StartOptions.h"

#include "app/AppInfo.h"

#include <cstring>

namespace vimo {

std::optional<QString> answerStartOption(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--version") == 0)
            return QStringLiteral("vimo ") + appinfo::versionText() + QLatin1Char('\n');
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            return QStringLiteral("Usage: vimo [--version] [--help] [Qt options]\n"
                                  "The desktop companion of the Vimo module: ")
                   + QLatin1String(appinfo::kSubtitle)
                   + QStringLiteral(".\n"
                                    "\n"
                                    "  --version   show the version\n"
                                    "  -h, --help  show this help\n");
        }
    }
    return std::nullopt;
}

} // namespace vimo
