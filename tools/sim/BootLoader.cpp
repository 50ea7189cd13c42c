#include "BootLoader.h"

#include <algorithm>
#include <cctype>

namespace vimo::sim {
namespace {

constexpr int kPageBytes = 64;
constexpr qint64 kRecordPatienceMs = 1000;

enum RecordType : quint8 { kData = 0x00, kSetByte = 0x02, kErase = 0x04, kReset = 0x08 };

// Characters of a record whose byte count field says `count` data bytes: ":" and 2 hex digits for each of count,
// address (2), type, data and checksum.
qsizetype recordChars(int count)
{
    return 1 + 2 * (5 + count);
}

// The bytes of the record's hex text after ":"; empty when a character is not a hex digit.
QByteArray decodeRecord(const QByteArray& record)
{
    const QByteArray hex = record.mid(1);
    for (const char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    return QByteArray::fromHex(hex);
}

// A well-formed record: count, address, type and checksum present, and all bytes summing to 0 modulo 256.
bool checksumMatches(const QByteArray& bytes)
{
    quint8 sum = 0;
    for (const char b : bytes)
        sum = quint8(sum + quint8(b));
    return bytes.size() >= 5 && sum == 0;
}

} // namespace

void BootLoader::restart()
{
    m_synced = false;
    m_record.clear();
    m_recordIndex = 0;
}

BootFault BootLoader::faultFor(int recordIndex, const SimFaults& faults) const
{
    if (faults.bootFault == BootFault::None || faults.bootFault == BootFault::NoSync
        || recordIndex < faults.bootFaultFrom)
        return BootFault::None;
    if (faults.bootFaultCount >= 0 && recordIndex >= faults.bootFaultFrom + faults.bootFaultCount)
        return BootFault::None;
    return faults.bootFault;
}

void BootLoader::receive(char byte, qint64 nowMs, SimModel& model, QByteArray& out)
{
    if (!m_record.isEmpty() && nowMs - m_lastByteMs > kRecordPatienceMs)
        m_record.clear();
    m_lastByteMs = nowMs;
    if (m_record.isEmpty()) {
        if (byte == 'U') {
            ++model.syncs;
            if (model.faults.bootFault != BootFault::NoSync) {
                out += 'U';
                m_synced = true;
            }
            return;
        }
        if (byte != ':' || !m_synced)
            return; // noise before a record
        m_fault = faultFor(m_recordIndex, model.faults);
    }
    m_record += byte;
    if (m_fault != BootFault::NoEcho)
        out += byte;
    if (m_record.size() >= 3) {
        bool ok = false;
        const int count = m_record.mid(1, 2).toInt(&ok, 16);
        if (m_record.size() >= recordChars(ok ? count : 0))
            finishRecord(model, out);
    }
}

void BootLoader::finishRecord(SimModel& model, QByteArray& out)
{
    const QByteArray record = m_record;
    m_record.clear();
    model.bootRecords.append(record);
    const QByteArray bytes = decodeRecord(record);
    if (checksumMatches(bytes) && quint8(bytes[3]) == kReset) {
        // The reset record gets no status: the firmware starts at once.
        model.inBootLoader = false;
        restart();
        return;
    }
    const BootFault fault = m_fault;
    ++m_recordIndex;
    switch (fault) {
    case BootFault::ChecksumError:
        out += 'X';
        return;
    case BootFault::WriteFailure:
        out += 'R';
        return;
    case BootFault::Silent:
        return;
    default:
        break;
    }
    out += checksumMatches(bytes) ? execute(bytes, model) : 'X';
}

char BootLoader::execute(const QByteArray& bytes, SimModel& model)
{
    const int count = quint8(bytes[0]);
    const int address = (quint8(bytes[1]) << 8) | quint8(bytes[2]);
    const QByteArray data = bytes.mid(4, count);
    switch (quint8(bytes[3])) {
    case kData:
        if (address + count > kProgramMemory)
            return 'R';
        model.programMemory.replace(address, count, data);
        return '.';
    case kSetByte:
        if (count != 2 || (data[0] != 0x03 && data[0] != 0x00))
            return 'R';
        (data[0] == 0x03 ? model.bootStatusByte : model.bootConfigByte) = quint8(data[1]);
        return '.';
    case kErase: {
        const int page = count == 3 ? (quint8(data[1]) << 8) | quint8(data[2]) : kProgramMemory;
        if (count != 3 || data[0] != 0x00 || page >= kProgramMemory)
            return 'R';
        const int length = std::min(kPageBytes, kProgramMemory - page);
        model.programMemory.replace(page, length, QByteArray(length, char(0xFF)));
        return '.';
    }
    default:
        return 'R';
    }
}

} // namespace vimo::sim
