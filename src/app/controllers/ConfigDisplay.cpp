#include "app/controllers/ConfigDisplay.h"

#include "app/controllers/ModuleController.h"
#include "app/pages/ConfigurePage.h"
#include "module/ConfigControls.h"

namespace vimo {

void showRecordTime(ModuleController& module, ConfigurePage& page)
{
    ModuleSnapshot& m = module.module();
    page.showInterval(showRecordInterval(m.interval, m.config.baseInterval, m.config.memorySize));
}

bool startWithConfigRead(ModuleController& module, ConfigurePage& page, std::function<void(ModuleSession&)> job)
{
    const int before = module.module().state.configReads;
    return module.start([&module, &page, job = std::move(job), before](ModuleSession& s) -> ModuleController::Finish {
        job(s);
        return [&module, &page, before] {
            const ModuleSnapshot& m = module.module();
            if (m.state.configReads == before)
                return; // no record came: the controls keep what they show
            page.setControls(controlsFromConfig(m.config, m.state.f5jModule));
            showRecordTime(module, page);
        };
    });
}

} // namespace vimo
