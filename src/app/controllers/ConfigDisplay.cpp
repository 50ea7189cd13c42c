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

bool startWithConfigRead(ModuleController& module, ConfigurePage& page, std::function<void(ModuleSession&)> job,
                         std::function<void()> done)
{
    const int before = module.module().state.configReads;
    return module.start([&module, &page, job = std::move(job), done = std::move(done),
                         before](ModuleSession& s) -> ModuleController::Finish {
        job(s);
        return [&module, &page, done, before] {
            const ModuleSnapshot& m = module.module();
            // When no record came, the controls keep what they show.
            if (m.state.configReads != before) {
                page.setControls(controlsFromConfig(m.config, m.state.f5jModule));
                showRecordTime(module, page);
            }
            if (done)
                done();
        };
    });
}

} // namespace vimo
