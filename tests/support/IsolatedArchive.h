#pragma once

#include <QTemporaryDir>

namespace vimo::test {

// Keeps every test out of the user's archive of flights: unless VIMO_ARCHIVE names one already, the downloads of
// the test program are archived in a temporary folder that lives as long as this object.
class IsolatedArchive {
public:
    IsolatedArchive()
    {
        if (qEnvironmentVariableIsEmpty("VIMO_ARCHIVE"))
            qputenv("VIMO_ARCHIVE", m_dir.path().toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

} // namespace vimo::test
