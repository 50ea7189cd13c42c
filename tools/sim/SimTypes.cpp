#include "SimTypes.h"

namespace vimo::sim {

quint16 get16(const ConfigRecord& record, int offset)
{
    return quint16((record[size_t(offset)] << 8) | record[size_t(offset) + 1]);
}

void set16(ConfigRecord& record, int offset, quint16 value)
{
    record[size_t(offset)] = quint8(value >> 8);
    record[size_t(offset) + 1] = quint8(value & 0xFF);
}

ConfigRecord defaultConfig(bool f5j)
{
    ConfigRecord r{};
    set16(r, field::kSignature, 0xABCD);
    set16(r, field::kIntervalTicks, 10);
    r[field::kUnits] = 0;
    r[field::kBlankDisplay] = 1;
    set16(r, field::kBaseInterval, 100);
    r[field::kRecordTrigger] = 1;
    set16(r, field::kStartSeconds, f5j ? 30 : 10);
    set16(r, field::kStopSeconds, f5j ? 60 : 60);
    set16(r, field::kStartAltitude, 20);
    set16(r, field::kStopAltitude, f5j ? 200 : 15);
    r[field::kAutoStart] = 2;
    r[field::kAutoStop] = 0;
    r[field::kAutoZero] = 2;
    r[field::kModuleVersion] = 3;
    r[field::kMemorySize] = 8;
    return r;
}

QList<QByteArray> defaultIdentity(bool f5j)
{
    return {QByteArrayLiteral("VIMO"), f5j ? QByteArrayLiteral("VIMO F5J") : QByteArrayLiteral("MOD2"),
            QByteArrayLiteral("1.07"), QByteArrayLiteral("05-14-06")};
}

} // namespace vimo::sim
