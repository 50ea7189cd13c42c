#include "app/StartOptions.h"

#include "app/AppInfo.h"

#include <QFileInfo>
#include <cstring>

namespace vimo {

std::optional<QString> answerStartOption(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break; // file names follow, whatever they look like
        if (std::strcmp(arg, "--version") == 0)
            return QStringLiteral("vimo ") + appinfo::versionText() + QLatin1Char('\n');
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            return QStringLiteral("Usage: vimo [--version] [--help] [Qt options] [FILE.csv...]\n"
                                  "The desktop companion of the Vimo module: ")
                   + QLatin1String(appinfo::kSubtitle)
                   + QStringLiteral(".\n"
                                    "\n"
                                    "  FILE.csv    load the data file into the plot, as Load does\n"
                                    "  --version   show the version\n"
                                    "  -h, --help  show this help\n");
        }
    }
    return std::nullopt;
}

QStringList filesToOpen(const QStringList& arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg.isEmpty() || (!optionsEnded && arg.startsWith(QLatin1Char('-'))))
            continue;
        files << QFileInfo(arg).absoluteFilePath();
    }
    return files;
}

} // namespace vimo
