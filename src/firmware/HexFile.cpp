#include "firmware/HexFile.h"

#include "firmware/FirmwareImage.h"
#include "firmware/HexRecord.h"

#include <QFile>
#include <string_view>

namespace vimo {
namespace {

HexLoadResult refuse(FirmwareImage& image, HexLoadStatus status, int line, const QString& message)
{
    image.reset();
    return {status, line, message};
}

} // namespace

HexLoadResult loadHexText(const QByteArray& text, FirmwareImage& image)
{
    image.reset();
    std::string_view rest(text.constData(), std::size_t(text.size()));
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);

    int lineNumber = 0;
    while (!rest.empty()) {
        ++lineNumber;
        std::size_t end = rest.find_first_of("\r\n");
        std::size_t next = end;
        if (end == std::string_view::npos) {
            end = next = rest.size();
        } else {
            next = end + ((rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1);
        }
        const HexRecordStatus status = parseHexRecord(rest.substr(0, end), image);
        rest.remove_prefix(next);

        if (status == HexRecordStatus::BeyondCodeSpace)
            return refuse(image, HexLoadStatus::BeyondCodeSpace, lineNumber,
                          QStringLiteral("Hex file exceeds code space"));
        if (status != HexRecordStatus::Accepted && status != HexRecordStatus::Ignored)
            return refuse(image, HexLoadStatus::BadRecord, lineNumber,
                          QStringLiteral("Hex file line %1: %2.")
                              .arg(lineNumber)
                              .arg(QString::fromLatin1(hexRecordProblem(status))));
    }
    if (!image.highestAddress)
        return refuse(image, HexLoadStatus::NoData, 0, QStringLiteral("Hex file contains no data."));
    return {};
}

HexLoadResult loadHexFile(const QString& path, FirmwareImage& image)
{
    image.reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {HexLoadStatus::FileNotOpened, 0, QString()};
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {HexLoadStatus::FileNotOpened, 0, QString()}; // a read that fails half-way gives no image either
    return loadHexText(text, image);
}

} // namespace vimo
