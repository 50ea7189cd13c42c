#include "support/SimFixture.h"

#include "support/ShortTiming.h"

#include <gtest/gtest.h>

namespace vimo::test {

SimFixture::SimFixture(const sim::SimOptions& options) : m_module(std::make_unique<sim::SimModule>(options))
{
    QString error;
    if (!m_module->start(&error))
        ADD_FAILURE() << "the simulated module did not start: " << error.toStdString();
}

SimFixture::~SimFixture()
{
    m_module->stop();
}

sim::SimOptions simWithSets(int sets, int words)
{
    sim::SimOptions options;
    options.sets = sets;
    options.words = words;
    return options;
}

sim::SimOptions withShortRestart(sim::SimOptions options)
{
    options.restartMs = kShortRestartMs;
    return options;
}

} // namespace vimo::test
