#include "logbook/ArchivedRecording.h"

#include "data/Signal.h"
#include "data/TextRules.h"
#include "logbook/DownloadFacts.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>
#include <algorithm>

namespace vimo {

ArchivedRecording describeRecording(const DataSet& set, const DownloadFacts& facts)
{
    ArchivedRecording r;
    r.downloaded = facts.downloaded;
    r.set = facts.set;
    r.deviceName = facts.deviceName;
    r.model = facts.model;
    r.softwareVersion = facts.softwareVersion;
    r.incomplete = facts.incomplete;
    r.airframe = airframeName(facts.airframe);

    const SampleSeries& samples = set.altitude.series;
    r.samples = samples.count();
    r.triggerCount = set.trigger.series.count();
    if (r.samples > 0) {
        const int last = r.samples - 1;
        r.firstTime = samples.time(0);
        r.lastTime = samples.time(last);
        r.firstValue = samples.altitude(0);
        r.lastValue = samples.altitude(last);
        r.highestValue = *std::max_element(samples.altitudes().begin(), samples.altitudes().end());
        if (last > 0)
            r.interval = (samples.time(last) - samples.time(0)) / last;
    }
    r.unit = unitOfLabel(set.altitudeLabel);
    r.name = set.name();
    QStringList notes(set.notes.begin(), set.notes.end());
    while (!notes.isEmpty() && notes.last().isEmpty())
        notes.removeLast();
    r.notes = notes.join(QLatin1Char('\n'));
    r.digest = sampleDigest(set);
    r.flights = measureFlights(set);
    return r;
}

namespace {

// The count, then the values, each as the 8 bytes of a little-endian IEEE double, so that the digest is the same
// on every machine.
void addSeries(QCryptographicHash& hash, const SampleSeries& series)
{
    const qint64 count = qToLittleEndian(qint64(series.count()));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(&count), sizeof count));
    for (const std::vector<double>* values : {&series.times(), &series.altitudes()}) {
        if (values->empty())
            continue;
        QByteArray bytes(qsizetype(values->size() * sizeof(double)), Qt::Uninitialized);
        qToLittleEndian<double>(values->data(), qsizetype(values->size()), bytes.data());
        hash.addData(bytes);
    }
}

} // namespace

QString sampleDigest(const DataSet& set)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addSeries(hash, set.altitude.series);
    addSeries(hash, set.trigger.series);
    return QString::fromLatin1(hash.result().toHex());
}

QString airframeName(const QString& typed)
{
    return text::field(typed.trimmed(), ArchivedRecording::kAirframeChars).trimmed();
}

QString unitOfLabel(const QString& yLabel)
{
    const qsizetype open = yLabel.lastIndexOf(QLatin1Char('('));
    const qsizetype close = yLabel.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close <= open)
        return QString();
    return yLabel.mid(open + 1, close - open - 1).trimmed().toLower();
}

int setNumberOfFileName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^Alt_\\d{4}-\\d{2}-\\d{2}_(\\d{1,3})(?:-\\d+)?\\.csv$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return 0;
    const int n = match.captured(1).toInt();
    return n >= 1 && n <= 256 ? n : 0;
}

} // namespace vimo
