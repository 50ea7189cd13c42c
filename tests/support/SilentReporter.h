#pragma once

// A ModuleReporter that discards everything and answers every question with Yes (fuzz targets, benchmarks).

#include "base/ModuleReporter.h"

namespace vimo::test {

class SilentReporter : public ModuleReporter {
public:
    void clearMemo() override {}
    void memoLine(const QString&) override {}
    void message(const QString&, const QString&, MessageIcon) override {}
    bool confirm(const QString&, const QString&) override { return true; }
    void progress(int, int) override {}
    void progressDone() override {}
    void status(StatusPanel, const QString&) override {}
};

} // namespace vimo::test
