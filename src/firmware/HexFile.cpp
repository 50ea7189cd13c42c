#include "firmware/HexFile.h"

#include "firmware/FirmwareImage.h"
#include "firmware/HexRecord.h"

#include "data/UserFile.h"

#include <string_view>

namespace vimo {
namespace {

HexLoadResult refuse(FirmwareImage& image, HexLoadStatus status, int line, const QString& message)
{
    image.reset();
    HexLoadResult refused;
    refused.status = status;
    refused.line = line;
    refused.message = message;
    return refused;
}

} // namespace

HexLoadResult loadHexText(const QByteArray& text, FirmwareImage& image)
{
    image.reset();
    std::string_view rest(text.constData(), std::size_t(text.size()));
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    if (rest.starts_with("\xFF\xFE") || rest.starts_with("\xFE\xFF"))
        return refuse(image, HexLoadStatus::BadRecord, 1,
                      QStringLiteral("Hex file line 1: the file is UTF-16 text; a HEX file is ASCII text."));

    int lineNumber = 0;
    int endOfFileLine = 0;
    bool extended = false; // an extended address other than 0 is in force
    while (!rest.empty()) {
        ++lineNumber;
        std::size_t end = rest.find_first_of("\r\n");
        std::size_t next = end;
        if (end == std::string_view::npos) {
            end = next = rest.size();
        } else {
            next = end + ((rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1);
        }
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(next);
        if (endOfFileLine > 0) {
            if (line.find_first_not_of(" \t") == std::string_view::npos)
                continue;
            HexLoadResult loaded;
            loaded.note = QStringLiteral("Hex file line %1: ignored, it follows the end-of-file record on line %2.")
                              .arg(lineNumber)
                              .arg(endOfFileLine);
            if (!image.highestAddress)
                return refuse(image, HexLoadStatus::NoData, 0, QStringLiteral("Hex file contains no data."));
            return loaded;
        }
        HexRecordFields fields;
        const HexRecordStatus status = parseHexRecord(line, image, &fields);
        if (status == HexRecordStatus::Accepted) {
            if (fields.type == 0 && extended)
                return refuse(image, HexLoadStatus::BeyondCodeSpace, lineNumber,
                              QStringLiteral("Hex file line %1: data beyond the code space after an extended "
                                             "address.")
                                  .arg(lineNumber));
            if (fields.type == 2 || fields.type == 4)
                extended = fields.value != 0;
            if (fields.type == 1)
                endOfFileLine = lineNumber;
        }

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
    if (endOfFileLine == 0)
        return refuse(image, HexLoadStatus::BadRecord, lineNumber,
                      QStringLiteral("Hex file line %1: the file ends without an end-of-file record; it may be "
                                     "cut short.")
                          .arg(lineNumber));
    return {};
}

HexLoadResult loadHexFile(const QString& path, FirmwareImage& image)
{
    image.reset();
    QByteArray text;
    HexLoadResult notOpened;
    notOpened.status = HexLoadStatus::FileNotOpened;
    if (!readUserFile(path, kMaxHexFileBytes, text, notOpened.reason))
        return notOpened; // a read that fails half-way gives no image either
    return loadHexText(text, image);
}

} // namespace vimo
