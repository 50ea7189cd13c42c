#include "module/Download.h"

#include "data/AltitudeUnit.h"
#include "data/AutoScale.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "module/ModuleProtocol.h"

#include <iterator>

namespace vimo {
namespace {

QString num(std::int64_t value)
{
    return QString::fromLatin1(cformat::integer(value));
}
QString general(double value)
{
    return QString::fromLatin1(cformat::general(value));
}

// The altitude label of the module's unit code (0 feet, 1 yards, 2 meters); none for a code without a name.
std::optional<QString> altitudeLabel(std::uint8_t units)
{
    static constexpr AltitudeUnit kUnits[] = {AltitudeUnit::Feet, AltitudeUnit::Yards, AltitudeUnit::Meters};
    if (units >= std::size(kUnits))
        return std::nullopt;
    return unitLabel(kUnits[units]);
}

void annotate(DownloadedSet& set, const ModuleConfig& config, const QDate& today)
{
    const int count = set.count();
    set.infoNote = QStringLiteral("%1  Set %2, %3 samples")
                       .arg(today.toString(QStringLiteral("yyyy-MM-dd")), num(set.number + 1), num(count));
    const double interval = double(set.header.interval) * config.baseInterval;
    set.summaryNote = QStringLiteral("%1 sec, interval=%2 sec, max=%3")
                          .arg(general(double(std::int64_t(set.header.interval) * count * config.baseInterval) * 0.001),
                               general(interval * 0.001), general(set.maximum));
    set.yLabel = altitudeLabel(config.units);
}

// Reads the words of one set; false when the user cancelled.
bool readWords(ModuleSession& session, SetAssembler& assembler)
{
    int shown = 0;
    while (assembler.wantsWord()) {
        if (session.reporter.cancelRequested())
            return false;
        char word[3];
        if (session.link.readExact(word, 2, assembler.wordLimitMs(session.timing)) != 2)
            break;
        assembler.addWord(std::uint16_t((std::uint8_t(word[0]) << 8) | std::uint8_t(word[1])));
        const int percent = assembler.progressPercent();
        if (percent != shown) {
            shown = percent;
            session.reporter.progress(percent, 100);
        }
    }
    return true;
}

} // namespace

DownloadResult downloadDataSets(ModuleSession& session, int selectedRow, const SetSink& sink, const QDate& today)
{
    DownloadResult result;
    ModuleReporter& reporter = session.reporter;
    if (!session.requireConnection(false))
        return result;
    if (selectedRow < 0) {
        reporter.message(QStringLiteral("Vimo"), QStringLiteral("No data set specified"), MessageIcon::Warning);
        return result;
    }
    const int row = std::min(selectedRow, protocol::kMaxSets);
    session.state.selectedSet = row;
    int first = row;
    int last = row;
    const bool all = row == session.state.setCount;
    if (all) {
        first = 0;
        last = session.state.setCount - 1;
    }
    if (last < first)
        return result;
    ExchangeScope scope(session);

    // The status bar names the set on its way: "Set 2 of 3" when every set comes, the set's own number otherwise.
    reporter.progress(0, 100);
    for (int n = first; n <= last && !result.cancelled && session.link.isOpen(); ++n) {
        ++result.requested;
        reporter.status(StatusPanel::Progress, all ? QStringLiteral("Set %1 of %2").arg(num(n + 1), num(last + 1))
                                                   : QStringLiteral("Set %1").arg(num(n + 1)));
        session.sendCommand(protocol::kDownload);
        session.pause(session.timing.beforeSetIndexMs);
        session.sendRaw(char(n));
        char headerBytes[SetHeader::kWireSize + 1];
        const int got = session.link.readExact(headerBytes, SetHeader::kWireSize, session.timing.headerMs);
        const std::optional<SetHeader> header =
            got == SetHeader::kWireSize ? decodeSetHeader(QByteArrayView(headerBytes, got)) : std::nullopt;
        if (!header) {
            reporter.memoLine(QString());
            reporter.memoLine(QStringLiteral("Set %1: Corrupted data set.").arg(num(n + 1)));
            continue;
        }
        reporter.progress(0, 100);
        SetAssembler assembler(n, *header, session.config.baseInterval);
        result.cancelled = !readWords(session, assembler);
        DownloadedSet set = assembler.finish();
        set.cancelled = result.cancelled;
        annotate(set, session.config, today);
        reporter.memoLine(QString());
        reporter.memoLine(QStringLiteral("Set %1: Downloaded %2 data samples.").arg(num(n + 1), num(set.count())));
        if (result.cancelled) {
            reporter.memoLine(QStringLiteral("Set %1: Download cancelled; the %2 samples received are kept.")
                                  .arg(num(n + 1), num(set.received)));
        } else if (set.endedEarly) {
            reporter.memoLine(QStringLiteral("Set %1: Transfer ended early; %2 of %3 samples arrived.")
                                  .arg(num(n + 1), num(set.received), num(header->wordCount - set.marks)));
        }
        sink(std::move(set));
        ++result.delivered;
    }
    reporter.progressDone();
    return result;
}

int addDownloadedSet(Plot& plot, const DownloadedSet& set)
{
    DataSet& data = plot.signals.createDataSet();
    data.clearSamples(); // drop the placeholder ramp of a new data set
    const int index = plot.signals.size() - 1;
    SampleSeries& altitude = data.altitude.series;
    altitude.resize(set.count()); // tags 0
    std::copy(set.times.begin(), set.times.end(), altitude.times().begin());
    std::copy(set.altitudes.begin(), set.altitudes.end(), altitude.altitudes().begin());
    SampleSeries& trigger = data.trigger.series;
    trigger.resize(int(set.triggerTimes.size()));
    std::copy(set.triggerTimes.begin(), set.triggerTimes.end(), trigger.times().begin());
    std::copy(set.triggerAltitudes.begin(), set.triggerAltitudes.end(), trigger.altitudes().begin());
    data.clearRateMarks();
    data.moduleSet = set.number;
    // The samples stay in the module's unit; a unit code without a name leaves the unit unknown.
    data.altitudeLabel = set.yLabel.value_or(QString());
    data.unit = unitNamedBy(data.altitudeLabel);

    autoScaleTime(plot);
    autoScaleAltitude(plot);

    data.notes[1] = set.infoNote;
    data.notes[2] = set.summaryNote;
    data.trigger.visible = set.header.triggerFlag != 0;
    plot.xLabel = QStringLiteral("Time (seconds)");
    if (set.yLabel)
        plot.yLabel = *set.yLabel;
    plot.signals.notifyChanged(index);
    return index;
}

} // namespace vimo
