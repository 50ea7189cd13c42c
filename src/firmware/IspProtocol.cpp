#include "firmware/IspProtocol.h"

#include "firmware/FirmwareImage.h"
#include "firmware/HexRecord.h"

#include <QString>
#include <algorithm>

namespace vimo {
namespace {

// "%0NX": upper-case hexadecimal with leading zeros.
QByteArray hex(int value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

} // namespace

QByteArray ispStatusByteRecord(int value)
{
    return appendRecordChecksum(":0200000203" + hex(value, 2));
}

QByteArray ispEraseRecord(int pageAddress)
{
    return appendRecordChecksum(":0300000400" + hex(pageAddress, 4));
}

QByteArray ispProgramRecord(int address, const std::uint8_t* data, int count)
{
    QByteArray record = ":" + hex(count, 2) + hex(address, 4) + "00";
    for (int i = 0; i < count; ++i)
        record += hex(data[i], 2);
    return appendRecordChecksum(record);
}

QByteArray ispConfigurationRecord()
{
    return appendRecordChecksum(":0200000200" + hex(kIspConfigurationByte, 2));
}

std::vector<IspRecord> ispRecords(const FirmwareImage& image)
{
    std::vector<IspRecord> records;
    records.push_back({IspStep::StatusOn, 0, ispStatusByteRecord(1)});
    for (int a = 0; a < FirmwareImage::kSize; a += kIspPageSize)
        records.push_back({IspStep::Erase, a, ispEraseRecord(a)});
    if (image.highestAddress) {
        const int highest = *image.highestAddress;
        for (int a = 0; a <= highest; a += kIspPageSize) {
            const int n = std::min(kIspPageSize, highest - a + 1);
            records.push_back({IspStep::Program, a, ispProgramRecord(a, image.bytes.data() + a, n)});
        }
    }
    records.push_back({IspStep::StatusOff, 0, ispStatusByteRecord(0)});
    records.push_back({IspStep::ConfigurationByte, 0, ispConfigurationRecord()});
    return records;
}

QString ispStepFailure(IspStep step)
{
    switch (step) {
    case IspStep::StatusOn:
    case IspStep::StatusOff:
        return QStringLiteral("Error Setting Status Byte");
    case IspStep::Erase:
        return QStringLiteral("Error Erasing Flash");
    case IspStep::Program:
        return QStringLiteral("Error Programming Flash");
    case IspStep::ConfigurationByte:
        break;
    }
    return QString();
}

IspReply classifyIspReply(char reply)
{
    switch (reply) {
    case '.':
        return IspReply::Accepted;
    case 'R':
        return IspReply::WriteFailure;
    case 'X':
        return IspReply::BadChecksum;
    default:
        return IspReply::Other;
    }
}

QString ispReplyMessage(IspReply reply)
{
    switch (reply) {
    case IspReply::WriteFailure:
        return QStringLiteral("data byte write failure");
    case IspReply::BadChecksum:
        return QStringLiteral("bad checksum");
    case IspReply::Accepted:
    case IspReply::Other:
        break;
    }
    return QString();
}

} // namespace vimo
