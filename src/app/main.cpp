#include "app/AppInfo.h"
#include "app/GuardedApplication.h"
#include "app/MainWindow.h"
#include "app/StartOptions.h"

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
    return app.exec();
}
