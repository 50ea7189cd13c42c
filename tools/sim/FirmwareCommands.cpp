#include "FirmwareCommands.h"

#include <algorithm>

namespace vimo::sim {
namespace {

void appendLine(QByteArray& out, const QByteArray& text)
{
    out += text;
    out += "\r\n";
}

void append16(QByteArray& out, quint16 value)
{
    out += char(value >> 8);
    out += char(value & 0xFF);
}

} // namespace

qint64 FirmwareCommands::patienceMs(Await await)
{
    // The host pauses 1500 ms between "$" and "t"; every other argument follows within a few tens of ms.
    return await == Await::CalibrationT ? 5000 : 1000;
}

void FirmwareCommands::receive(char byte, qint64 nowMs, SimModel& model, QByteArray& out)
{
    if (nowMs < m_deafUntilMs)
        return; // restarting
    if (m_await != Await::Command && nowMs - m_lastByteMs > patienceMs(m_await)) {
        m_await = Await::Command;
        m_partial.clear();
    }
    m_lastByteMs = nowMs;
    switch (m_await) {
    case Await::Command:
        command(byte, nowMs, model, out);
        return;
    case Await::SetIndex:
        m_await = Await::Command;
        sendDataSet(quint8(byte), model, out);
        return;
    case Await::ConfigRecord:
        m_partial += byte;
        if (m_partial.size() == qsizetype(model.config.size())) {
            if (!model.faults.keepConfigOnWrite)
                std::copy(m_partial.begin(), m_partial.end(), model.config.begin());
            m_partial.clear();
            m_await = Await::Command;
        }
        return;
    case Await::CalibrationT:
        m_await = byte == 't' ? Await::CalibrationBytes : Await::Command;
        return;
    case Await::CalibrationBytes:
        m_partial += byte;
        if (m_partial.size() == 2) {
            model.calibration = qint16((quint8(m_partial[0]) << 8) | quint8(m_partial[1]));
            m_partial.clear();
            m_await = Await::Command;
        }
        return;
    }
}

void FirmwareCommands::command(char byte, qint64 nowMs, SimModel& model, QByteArray& out)
{
    switch (byte) {
    case 'v':
        for (const QByteArray& line : model.identity)
            appendLine(out, line);
        break;
    case 's':
        for (size_t i = 0; i < model.sets.size(); ++i)
            appendLine(out, QByteArray::number(quint64(i + 1)) + ", "
                                + QByteArray::number(quint64(model.sets[i].words.size())));
        break;
    case 'r': {
        const int bytes = model.faults.shortConfigBytes < 0
                              ? int(model.config.size())
                              : std::min<int>(model.faults.shortConfigBytes, int(model.config.size()));
        out.append(reinterpret_cast<const char*>(model.config.data()), bytes);
        break;
    }
    case 'M':
        if (!model.faults.noVariantReply)
            out += char(model.f5j ? 1 : 0);
        break;
    case 'c':
        m_await = Await::ConfigRecord;
        m_partial.clear();
        break;
    case 'a':
        m_await = Await::SetIndex;
        break;
    case 'x':
        model.sets.clear();
        ++model.erases;
        break;
    case '*':
        model.config = defaultConfig(model.f5j);
        break;
    case '$':
        m_await = Await::CalibrationT;
        m_partial.clear();
        break;
    case 'R':
        ++model.restarts;
        m_deafUntilMs = nowMs + model.restartMs;
        break;
    case 'l':
        model.liveOutput = true;
        break;
    case 'P':
        model.inBootLoader = true;
        break;
    default:
        break; // unknown bytes are ignored, as line noise would be
    }
}

void FirmwareCommands::sendDataSet(int index, const SimModel& model, QByteArray& out)
{
    const SimFaults& faults = model.faults;
    if (index >= int(model.sets.size()) || faults.noHeader)
        return;
    const SimDataSet& set = model.sets[size_t(index)];
    out += char(0);
    append16(out, set.interval);
    append16(out, faults.wordCountZero ? 0 : quint16(std::min<size_t>(set.words.size(), 0xFFFF)));
    out += char(set.triggerData ? 1 : 0);
    size_t words = set.words.size();
    if (faults.silenceAfterWords >= 0)
        words = std::min(words, size_t(faults.silenceAfterWords));
    out.reserve(out.size() + qsizetype(words) * 2);
    for (size_t i = 0; i < words; ++i)
        append16(out, set.words[i]);
}

} // namespace vimo::sim
