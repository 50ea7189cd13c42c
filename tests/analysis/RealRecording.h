#pragma once

#include "data/DataFile.h"
#include "data/Plot.h"

#include <QString>
#include <gtest/gtest.h>

namespace vimo::test {

// Loads the real recording data/real/<name>.csv (a data set file, see tools/realcorpus.py) into `plot` as its only
// data set.
inline void loadRealRecording(const QString& name, Plot& plot)
{
    const QString path = QStringLiteral(VIMO_TEST_DATA_DIR "/real/") + name + QStringLiteral(".csv");
    ASSERT_EQ(datafile::loadDataFile(path, plot), 1) << path.toStdString();
}

} // namespace vimo::test
