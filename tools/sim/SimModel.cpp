#include "SimModel.h"

#include "FlightGenerator.h"

namespace vimo::sim {
namespace {

// How a module with this configuration records; a configuration that makes no sense (an erased one) records at the
// default interval, in feet.
Recording recordingOf(const ConfigRecord& config)
{
    Recording r;
    r.interval = get16(config, field::kIntervalTicks);
    r.baseIntervalMs = get16(config, field::kBaseInterval);
    r.units = config[field::kUnits];
    const double step = double(r.interval) * r.baseIntervalMs / 1000.0;
    return step >= 0.05 && step <= 60 && r.units <= 2 ? r : Recording{};
}

} // namespace

SimModel SimModel::fromOptions(const SimOptions& options)
{
    SimModel model;
    model.identity = defaultIdentity(options.f5j);
    model.config = defaultConfig(options.f5j);
    if (options.erasedConfig)
        model.config.fill(0xFF);
    model.f5j = options.f5j;
    model.sets = generateDataSets(options.sets, options.words, options.seed, recordingOf(model.config));
    model.faults = options.faults;
    model.restartMs = options.restartMs;
    model.inBootLoader = options.blank;
    return model;
}

} // namespace vimo::sim
