#include "SimModel.h"

#include "FlightGenerator.h"

namespace vimo::sim {

SimModel SimModel::fromOptions(const SimOptions& options)
{
    SimModel model;
    model.identity = defaultIdentity(options.f5j);
    model.config = defaultConfig(options.f5j);
    if (options.erasedConfig)
        model.config.fill(0xFF);
    model.f5j = options.f5j;
    model.sets = generateFlights(options.sets, options.words, options.seed);
    model.faults = options.faults;
    model.restartMs = options.restartMs;
    model.inBootLoader = options.blank;
    return model;
}

} // namespace vimo::sim
