#pragma once

#include "base/Timing.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vimo {

// The 6-byte header the module sends before the words of a data set.
struct SetHeader {
    std::uint16_t interval = 0;  // sampling interval in multiples of the base interval
    std::uint16_t wordCount = 0; // words that follow (samples and trigger marks); 0 = not announced
    std::uint8_t triggerFlag = 0;
    static constexpr int kWireSize = 6;
};

// Byte 0 is not used; interval and word count are big-endian. Nothing unless exactly 6 bytes are given.
std::optional<SetHeader> decodeSetHeader(QByteArrayView bytes);

// A word whose high byte is 0x82 marks a trigger event; the word after it is the sample taken at the trigger.
constexpr bool isTriggerMark(std::uint16_t word)
{
    return (word >> 8) == 0x82;
}

// A downloaded data set as plain values, ready to become a data set of the plot.
struct DownloadedSet {
    int number = 0; // set index counted from 0
    SetHeader header;
    std::vector<double> times; // the altitude series
    std::vector<double> altitudes;
    std::vector<double> triggerTimes; // copies of the samples taken at a trigger mark
    std::vector<double> triggerAltitudes;
    double maximum = -99999.0;     // highest altitude received
    int received = 0;              // samples received
    int marks = 0;                 // trigger marks followed by their sample
    bool endedEarly = false;       // fewer samples came than the header announced
    bool cancelled = false;        // the user cancelled while the set was arriving
    QString infoNote;              // "<date>  Set n, count samples"
    QString summaryNote;           // "<t> sec, interval=<i> sec, max=<m>"
    std::optional<QString> yLabel; // the altitude axis label for the module's unit, when it has one

    int count() const { return int(times.size()); }
};

// Turns the words of one data set into samples, word by word, and says when to stop: at the announced word count
// (when there is one), at 65535 samples, or when a word did not come.
class SetAssembler {
public:
    static constexpr int kMaxSamples = 65535;

    SetAssembler(int number, const SetHeader& header, std::uint16_t baseInterval);

    // True while another word is expected.
    bool wantsWord() const;
    // The time limit for the next word: longer for the sample after a trigger mark.
    std::uint32_t wordLimitMs(const Timing& timing) const;
    void addWord(std::uint16_t word);
    // Received samples as a percentage of the announced word count (0 when none was announced).
    int progressPercent() const;

    // The set as received. A set that stopped before its announced end keeps the samples that arrived.
    DownloadedSet finish();

private:
    DownloadedSet m_set;
    std::uint16_t m_baseInterval;
    bool m_afterMark = false;
};

} // namespace vimo
