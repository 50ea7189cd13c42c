#pragma once

#include <functional>

namespace vimo {

class ConfigurePage;
class ModuleController;
class ModuleSession;

// Shows the interval editor and the "Total Record Time" of the window's copy of the module state.
void showRecordTime(ModuleController& module, ConfigurePage& page);

// Starts `job` (Connect, Read Config and the maintenance commands end with a fresh configuration read); when
// the exchange has brought a configuration record, the page shows it, and then `done` runs (when given) on the
// window thread. False when another exchange runs.
bool startWithConfigRead(ModuleController& module, ConfigurePage& page, std::function<void(ModuleSession&)> job,
                         std::function<void()> done = {});

} // namespace vimo
