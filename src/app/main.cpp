#include "app/AppInfo.h"
#include "app/GuardedApplication.h"
#include "app/MainWindow.h"
#include "app/StartFiles.h"
#include "app/StartOptions.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (const auto answer = vimo::answerStartOption(argc, argv)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    vimo::GuardedApplication app(argc, argv);
    vimo::MainWindow window;
    window.show();
    // Files named on the command line load once the window is up, so that their boxes have a window to stand on.
    const QStringList files = vimo::filesToOpen(QCoreApplication::arguments());
    QTimer::singleShot(0, &window, [&window, files] { vimo::openStartFiles(window, files); });
    return app.exec();
}
