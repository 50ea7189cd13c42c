#include "plot/PrintSettings.h"

namespace vimo {

PrintSettings& printSettings()
{
    static PrintSettings settings;
    return settings;
}

} // namespace vimo
