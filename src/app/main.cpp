#include "app/AppInfo.h"
#include "app/GuardedApplication.h"
#include "app/MainWindow.h"

int main(int argc, char** argv)
{
    vimo::GuardedApplication app(argc, argv);
    vimo::MainWindow window;
    window.show();
    return app.exec();
}
