#pragma once

#include "SimModule.h"

#include <QString>
#include <memory>

namespace vimo::test {

// A simulated module serving on a pseudo-terminal for as long as this object lives (on a thread of the test
// process). One line gets a module to talk to:
//
//     vimo::test::SimFixture sim;                 // or SimFixture sim(options);
//     link.open(sim.path(), 115200);
//
// Fails the running test when the simulator cannot start.
class SimFixture {
public:
    explicit SimFixture(const sim::SimOptions& options = {});
    ~SimFixture();
    SimFixture(const SimFixture&) = delete;
    SimFixture& operator=(const SimFixture&) = delete;

    // The device path to open.
    QString path() const { return m_module->devicePath(); }

    sim::SimModule& module() { return *m_module; }
    sim::SimModule* operator->() { return m_module.get(); }

private:
    std::unique_ptr<sim::SimModule> m_module;
};

// Options for a module holding `sets` data sets of `words` words each.
sim::SimOptions simWithSets(int sets, int words);

// The options with a restart after "Reset Module" short enough for the tests that run with shortTiming().
sim::SimOptions withShortRestart(sim::SimOptions options);

} // namespace vimo::test
