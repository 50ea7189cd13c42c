#include "base/Pause.h"

#include <QThread>

namespace vimo {

void sleepPause(int ms)
{
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

} // namespace vimo
