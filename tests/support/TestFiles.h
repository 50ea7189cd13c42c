#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vimo::test {

// Whole content of a file, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);

#ifdef VIMO_TEST_DATA_DIR
// Path of a fixture file below tests/<folder>/data of the calling test binary.
inline QString fixturePath(const QString& relativePath)
{
    return QStringLiteral(VIMO_TEST_DATA_DIR "/") + relativePath;
}
inline QByteArray readFixture(const QString& relativePath)
{
    return readFile(fixturePath(relativePath));
}
#endif

#ifdef VIMO_SOURCE_DIR
// Path of a HEX image below tests/firmware/data, for the tests that program the simulated module.
inline QString firmwareFixture(const char* name)
{
    return QStringLiteral(VIMO_SOURCE_DIR "/tests/firmware/data/") + QString::fromLatin1(name);
}
#endif

// Writes bytes to a file, creating folders; fails the calling test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace vimo::test
