#include "app/AppInfo.h"
#include "app/GuardedApplication.h"
#include "app/MainForm.h"

int main(int argc, char** argv)
{
    vimo::GuardedApplication app(argc, argv);
    vimo::TMainForm window;
    window.show();
    return app.exec();
}
