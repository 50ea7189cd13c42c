#pragma once

#include <QIODevice>
#include <QImage>

namespace vimo::test {

// A picture of a few flat colours with thin coloured lines, like a plot drawn without antialiasing; odd width so
// that BMP rows need padding.
QImage fewColourPicture(int width = 255, int height = 101);

// The same with a smooth gradient band through the middle: far more than 256 colours.
QImage manyColourPicture(int width = 300, int height = 120);

int distinctColours(const QImage& image);

// A device that accepts `capacity` bytes and then refuses every write, like a full disk.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 capacity) : m_left(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_left) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_left -= size;
        return size;
    }

private:
    qint64 m_left;
};

} // namespace vimo::test
