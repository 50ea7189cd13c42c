#include "SimCommandLine.h"
#include "SimModule.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <pthread.h>

// vimo-sim: serves a simulated module on a pseudo-terminal until SIGINT or SIGTERM (or its own hang-up).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    vimo::sim::SimOptions options;
    QString error;
    QString help;
    bool showHelp = false;
    if (!vimo::sim::parseSimArguments(QCoreApplication::arguments(), options, &error, &showHelp, &help)) {
        err << "vimo-sim: " << error << "\n\n" << help;
        return 2;
    }
    if (showHelp) {
        out << help;
        return 0;
    }

    // The serving thread must not take the signals: this thread waits for them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    vimo::sim::SimModule module(options);
    if (!module.start(&error)) {
        err << "vimo-sim: " << error << '\n';
        return 1;
    }
    out << module.devicePath() << Qt::endl;
    err << "vimo-sim: module ready on " << module.devicePath();
    if (!options.linkPath.isEmpty())
        err << " (also " << options.linkPath << ')';
    err << "; Ctrl+C stops it." << Qt::endl;

    // Wait for a signal, or for the module to go away by itself (a hang-up it was told to make).
    const timespec poll{0, 200'000'000};
    while (sigtimedwait(&signals, nullptr, &poll) < 0) {
        if (!module.isRunning()) {
            err << "vimo-sim: the line was hung up." << Qt::endl;
            break;
        }
    }
    module.stop();
    return 0;
}
