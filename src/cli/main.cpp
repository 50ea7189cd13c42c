#include "cli/Cli.h"
#include "data/NativeName.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Commands that draw need a GUI application instance (fonts, painting). Without a display they draw offscreen.
bool needsGui(int argc, char** argv)
{
    return argc > 1 && std::strcmp(argv[1], "render") == 0;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    if (!needsGui(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brennick"));
    QCoreApplication::setApplicationName(QStringLiteral("Vimo"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The words as given, byte for byte: a file name that is not UTF-8 must still open.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << vimo::nativename::decode(argv[i]);
    const int code = vimo::cli::run(arguments, out, err);
    out.flush();
    err.flush();
    return code;
}
