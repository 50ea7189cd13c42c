#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/LineReader.h"
#include "data/Plot.h"
#include "data/TextRules.h"

#include <QStringDecoder>
#include <string_view>

namespace vimo::datafile {
namespace {

constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";
constexpr QByteArrayView kUtf16LeBom = "\xFF\xFE";
constexpr QByteArrayView kUtf16BeBom = "\xFE\xFF";

std::string_view view(QByteArrayView bytes)
{
    return {bytes.data(), std::size_t(bytes.size())};
}

// The line from its second character on: header lines carry a "#" (or "!") in front that is skipped unchecked.
std::string_view afterFirst(QByteArrayView line)
{
    return line.isEmpty() ? std::string_view() : view(line.sliced(1));
}

bool startsWith(QByteArrayView line, char c)
{
    return !line.isEmpty() && line.front() == c;
}

// A sample line: "%lf, %lf, %d, %d" (time, altitude, trigger mark, peak mark) with trigger marks, "%lf, %lf, %d"
// (time, altitude, peak mark) without. Returns how many fields were read, like scanf. Written out step by step
// because this runs for every sample of a file. `whole` tells whether the line was read to its end: fields may be
// missing, but nothing else may follow them (a decimal comma, "1,5, 1,5, 0", leaves text behind).
int scanSample(std::string_view line, bool withMarks, double& time, double& altitude, std::int32_t& mark,
               std::int32_t& tag, bool& whole)
{
    cformat::Scanner in(line);
    const auto fields = [&] {
        if (!in.real(time))
            return 0;
        if (!in.literal(',') || !in.real(altitude))
            return 1;
        if (!in.literal(',') || !in.integer(withMarks ? mark : tag))
            return 2;
        if (!withMarks)
            return 3;
        return in.literal(',') && in.integer(tag) ? 4 : 3;
    }();
    whole = fields >= 2 && in.onlyBlanksLeft();
    return fields;
}

bool isBlank(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f')
            return false;
    }
    return true;
}

// Whether the bytes are a data file at all: one line is a sample (its time and altitude read), or the file is a
// plot file by its first line, or a block header is complete up to its range line (a data set without samples).
// An empty file, random bytes or text of another kind is none; the search stops at the first sign.
bool isDataFile(QByteArrayView bytes)
{
    LineReader lines(bytes);
    QByteArrayView line;
    if (lines.next(line) && line.trimmed() == "Vimo Plot")
        return true;
    lines.seek({});
    while (lines.next(line)) {
        if (startsWith(line, '#')) {
            double range[4] = {};
            if (cformat::scan(afterFirst(line), "%lf,%lf,%lf,%lf", {&range[0], &range[1], &range[2], &range[3]}) == 4)
                return true;
            continue;
        }
        if (startsWith(line, '!') || isBlank(line))
            continue;
        double time = 0;
        double altitude = 0;
        std::int32_t mark = 0;
        std::int32_t tag = 0;
        bool whole = false;
        if (scanSample(view(line), false, time, altitude, mark, tag, whole) >= 2)
            return true;
    }
    return false;
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes, Plot& plot, ReadReport& report)
        : m_lines(bytes), m_plot(plot), m_report(report), m_utf8(text::isUtf8(bytes))
    {
    }

    int read();

private:
    QString text(QByteArrayView line, int maxChars) const;
    void readPlotHeader();
    void headerAltitudesIntoAxisUnit(int firstBlock);
    DataSet& readBlock();
    bool readHeader(int k, DataSet& set);
    void readSamples(DataSet& set, bool withMarks);
    void unreadable();

    LineReader m_lines;
    Plot& m_plot;
    ReadReport& m_report;
    bool m_utf8;
    AltitudeUnit m_headerUnit = AltitudeUnit::Unknown; // the unit a plot file's header label names
    bool m_yMinRead = false; // which altitudes of the visible range the plot file's header set
    bool m_yMaxRead = false;
};

// The text of a header line after its first character, decoded and cut to its field.
QString Reader::text(QByteArrayView line, int maxChars) const
{
    return text::field(text::decode(line.isEmpty() ? line : line.sliced(1), m_utf8), maxChars);
}

int Reader::read()
{
    const int before = m_plot.signals.size();
    QByteArrayView first;
    m_lines.next(first);
    if (!startsWith(first, 'V')) {
        // A data set file: its first line already belongs to the block.
        m_lines.seek({});
        readBlock();
        return m_plot.signals.size() - before;
    }

    readPlotHeader();
    QByteArrayView line;
    while (m_lines.next(line) && startsWith(line, '!')) {
        if (m_plot.signals.size() - before >= kMaxDataSetsPerFile) {
            m_report.dataSetsRefused = true;
            break;
        }
        std::int32_t v[6] = {};
        const int parsed =
            cformat::scan(afterFirst(line), "%d, %d, %d, %d, %d, %d", {&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]});
        DataSet& set = readBlock();
        // Fields the line does not carry keep the defaults the data set was created with.
        Colour* colours[] = {&set.altitude.lineColor, nullptr, &set.altitude.pointColor, nullptr,
                             &set.trigger.pointColor, nullptr};
        std::int32_t* styles[] = {nullptr, &set.altitude.lineStyle, nullptr, &set.altitude.pointStyle,
                                  nullptr, &set.trigger.pointStyle};
        for (int i = 0; i < parsed; ++i) {
            if (colours[i])
                *colours[i] = Colour(v[i]);
            else
                *styles[i] = v[i];
        }
    }
    headerAltitudesIntoAxisUnit(before);
    return m_plot.signals.size() - before;
}

void Reader::readPlotHeader()
{
    for (QString* field : {&m_plot.title, &m_plot.xLabel, &m_plot.yLabel, &m_plot.info1, &m_plot.info2, &m_plot.info3})
        *field = text(m_lines.nextOrEmpty(), text::kLineChars);

    // Fields that do not parse leave their range value as it was.
    double values[4] = {};
    const int parsed = cformat::scan(afterFirst(m_lines.nextOrEmpty()), "%lf,%lf,%lf,%lf",
                                     {&values[0], &values[1], &values[2], &values[3]});
    double* targets[] = {&m_plot.xMin, &m_plot.yMin, &m_plot.xMax, &m_plot.yMax};
    for (int i = 0; i < parsed; ++i)
        *targets[i] = values[i];
    m_headerUnit = unitNamedBy(m_plot.yLabel);
    m_yMinRead = parsed >= 2;
    m_yMaxRead = parsed >= 4;
}

// The header's altitudes are in the axis unit of the plot that saved them; the axis here may show another one (that
// of data sets loaded before, or the one chosen). A plot whose data sets share one unit was drawn, and saved, in
// that unit whatever its label says (the label is the user's text, and files written before data sets knew their
// unit are all of this kind); only a plot of mixed units names its axis unit in the label.
void Reader::headerAltitudesIntoAxisUnit(int firstBlock)
{
    AltitudeUnit shared = AltitudeUnit::Unknown;
    bool mixed = false;
    for (int k = firstBlock; k < m_plot.signals.size(); ++k) {
        const AltitudeUnit unit = m_plot.signals.at(k).unit;
        if (unit == AltitudeUnit::Unknown)
            continue;
        mixed = mixed || (shared != AltitudeUnit::Unknown && unit != shared);
        shared = unit;
    }
    const AltitudeUnit saved = mixed || shared == AltitudeUnit::Unknown ? m_headerUnit : shared;
    const double factor = unitFactor(saved, axisUnit(m_plot));
    if (m_yMinRead)
        m_plot.yMin *= factor;
    if (m_yMaxRead)
        m_plot.yMax *= factor;
}

DataSet& Reader::readBlock()
{
    DataSet& set = m_plot.signals.createDataSet();
    const int k = m_plot.signals.size() - 1;
    set.clearRateMarks();
    const bool withMarks = readHeader(k, set);
    set.clearSamples();
    readSamples(set, withMarks);
    set.trigger.visible = withMarks;
    set.altitude.series.shrinkToFit();
    set.trigger.series.shrinkToFit();
    m_plot.signals.notifyChanged(k);
    return set;
}

// Reads the seven header lines of a block when there are any (the first starts with "#"); lines missing at the
// end of the file read as empty. Returns the trigger flag: whether the sample lines carry trigger marks.
bool Reader::readHeader(int k, DataSet& set)
{
    const LineReader::Position start = m_lines.position();
    QByteArrayView line;
    if (!m_lines.next(line) || !startsWith(line, '#')) {
        m_lines.seek(start); // no header: the data set keeps its default name
        return false;
    }
    m_plot.signals.rename(k, text(line, text::kNameChars));
    m_lines.nextOrEmpty(); // time-axis label: the plot's labels are not changed by a block
    set.altitudeLabel = text(m_lines.nextOrEmpty(), text::kLineChars);
    set.unit = unitNamedBy(set.altitudeLabel);
    for (QString& note : set.notes)
        note = text(m_lines.nextOrEmpty(), text::kLineChars);

    double range[4] = {};
    std::int32_t flag = 0;
    const int parsed = cformat::scan(afterFirst(m_lines.nextOrEmpty()), "%lf,%lf,%lf,%lf, %d",
                                     {&range[0], &range[1], &range[2], &range[3], &flag});
    return parsed == 5 && std::uint8_t(flag) != 0;
}

void Reader::unreadable()
{
    if (m_report.unreadableLines++ == 0)
        m_report.firstUnreadableLine = m_lines.lineNumber();
}

// Reads sample and "#C" lines up to the next "!" line or the end. Blank lines are skipped. Every sample line takes a sample index; one
// whose time or altitude does not parse repeats the previous sample's time and altitude (0 for the first) with
// no marks, so that the indices of the "#C" lines stay right and no spike to (0, 0) appears. Sample lines beyond
// the capacity are skipped, while "#C" lines and the next "!" line are still read.
void Reader::readSamples(DataSet& set, bool withMarks)
{
    SampleSeries& samples = set.altitude.series;
    SampleSeries& triggers = set.trigger.series;
    double time = 0;
    double altitude = 0;
    bool cut = false;
    QByteArrayView line;
    while (true) {
        const LineReader::Position start = m_lines.position();
        if (!m_lines.next(line)) {
            m_report.cutDataSets += cut ? 1 : 0;
            return;
        }
        if (startsWith(line, '!')) {
            m_lines.seek(start); // the next data set of a plot file begins
            m_report.cutDataSets += cut ? 1 : 0;
            return;
        }
        if (startsWith(line, '#')) {
            std::int32_t first = 0;
            std::int32_t second = 0;
            if (line.size() < 2 || line[1] != 'C')
                continue;
            if (cformat::scan(view(line.sliced(2)), "%d, %d", {&first, &second}) == 2)
                set.addRateMark(first, second); // dropped when all slots are in use
            else
                unreadable();
            continue;
        }
        if (isBlank(line))
            continue;
        if (samples.count() >= SampleSeries::kCapacity) {
            cut = true;
            continue;
        }

        double t = 0;
        double a = 0;
        std::int32_t mark = 0;
        std::int32_t tag = 0;
        bool whole = false;
        const int parsed = scanSample(view(line), withMarks, t, a, mark, tag, whole);
        if (!whole)
            unreadable();
        if (parsed >= 2) {
            time = t;
            altitude = a;
        }
        const int full = withMarks ? 4 : 3;
        if (parsed < full)
            tag = 0;
        if (parsed < 3)
            mark = 0;
        samples.append(time, altitude, std::uint8_t(tag));
        if (withMarks && mark != 0)
            triggers.append(time, altitude);
    }
}

} // namespace

int readDataFile(QByteArrayView bytes, Plot& plot, ReadReport* report)
{
    ReadReport unused;
    ReadReport& into = report ? *report : unused;
    into = {};
    // A file with a UTF-16 byte order mark is read as the UTF-8 text it holds.
    QByteArray fromUtf16;
    if (bytes.startsWith(kUtf16LeBom) || bytes.startsWith(kUtf16BeBom)) {
        QStringDecoder decode(bytes.startsWith(kUtf16LeBom) ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        fromUtf16 = QString(decode(bytes.sliced(2))).toUtf8();
        bytes = fromUtf16;
    } else if (bytes.startsWith(kUtf8Bom)) {
        bytes = bytes.sliced(kUtf8Bom.size());
    }
    if (!isDataFile(bytes)) {
        into.notDataFile = true;
        return -1;
    }
    return Reader(bytes, plot, into).read();
}

QString notDataFileReason()
{
    return QStringLiteral("not a Vimo data file");
}

QStringList ReadReport::warnings() const
{
    QStringList out;
    if (unreadableLines == 1)
        out << QStringLiteral("Line %1 could not be read.").arg(firstUnreadableLine);
    else if (unreadableLines > 1)
        out << QStringLiteral("%1 lines could not be read, the first of them line %2.")
                   .arg(unreadableLines)
                   .arg(firstUnreadableLine);
    if (cutDataSets > 0)
        out << QStringLiteral("%1 data set(s) held more than %2 samples: the samples after %2 were not loaded.")
                   .arg(cutDataSets)
                   .arg(SampleSeries::kCapacity);
    if (dataSetsRefused)
        out << QStringLiteral("The file holds more than %1 data sets: only the first %1 were loaded.")
                   .arg(kMaxDataSetsPerFile);
    return out;
}

} // namespace vimo::datafile
