#include "SimCommandLine.h"

#include <QCommandLineParser>

namespace vimo::sim {
namespace {

bool readInt(const QCommandLineParser& parser, const QString& name, int minimum, int& value, QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int read = parser.value(name).toInt(&ok);
    if (!ok || read < minimum) {
        if (error)
            *error = QStringLiteral("--%1 needs a whole number of at least %2").arg(name).arg(minimum);
        return false;
    }
    value = read;
    return true;
}

bool readBootFault(const QString& text, BootFault& fault)
{
    static const struct {
        const char* name;
        BootFault fault;
    } kinds[] = {{"x", BootFault::ChecksumError},
                 {"r", BootFault::WriteFailure},
                 {"silent", BootFault::Silent},
                 {"noecho", BootFault::NoEcho},
                 {"nosync", BootFault::NoSync}};
    for (const auto& kind : kinds) {
        if (text.compare(QLatin1String(kind.name), Qt::CaseInsensitive) == 0) {
            fault = kind.fault;
            return true;
        }
    }
    return false;
}

} // namespace

bool parseSimArguments(const QStringList& arguments, SimOptions& options, QString* error, bool* showHelp,
                       QString* helpText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated Vimo module on a pseudo-terminal. Prints the device path to open, then serves the module's\n"
        "commands and its boot loader until interrupted (Ctrl+C)."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Also make the device reachable as the symbolic link <path>."),
         QStringLiteral("path")},
        {QStringLiteral("log"), QStringLiteral("Write every byte received to <file>."), QStringLiteral("file")},
        {QStringLiteral("pace"), QStringLiteral("Keep the timing of a real line (10 bits a byte).")},
        {QStringLiteral("baud"), QStringLiteral("Pace at <rate> instead of the rate the host sets."),
         QStringLiteral("rate")},
        {QStringLiteral("sets"),
         QStringLiteral("Number of recorded data sets (default 3): electric flights, a hand-launch session and "
                        "electric flights whose last one ends in the air, in turn, recorded at the configured interval "
                        "and unit."),
         QStringLiteral("n")},
        {QStringLiteral("words"), QStringLiteral("Words per data set, at most 65535 (default 1200)."),
         QStringLiteral("n")},
        {QStringLiteral("seed"), QStringLiteral("Random seed of the recorded flights (default 1)."),
         QStringLiteral("n")},
        {QStringLiteral("f5j"), QStringLiteral("Be the F5J variant.")},
        {QStringLiteral("blank"), QStringLiteral("Have no firmware: the boot loader runs from the start.")},
        {QStringLiteral("erased-config"), QStringLiteral("Start with every configuration byte 0xFF.")},
        {QStringLiteral("no-header"), QStringLiteral("Answer no data set request.")},
        {QStringLiteral("silence-after"), QStringLiteral("Fall silent after <n> words of a data set."),
         QStringLiteral("n")},
        {QStringLiteral("word-count-zero"), QStringLiteral("Announce 0 words in every data set header.")},
        {QStringLiteral("short-config"), QStringLiteral("Send only <n> of the 28 configuration bytes."),
         QStringLiteral("n")},
        {QStringLiteral("no-variant"), QStringLiteral("Do not answer the variant query \"M\".")},
        {QStringLiteral("hang-up-after"),
         QStringLiteral("Close the line 100 ms after sending <n> bytes, like a pulled-out adapter."),
         QStringLiteral("n")},
        {QStringLiteral("boot-fault"),
         QStringLiteral("Boot loader fault: x (checksum error), r (write failure), silent (no status), noecho, "
                        "nosync."),
         QStringLiteral("kind")},
        {QStringLiteral("boot-fault-from"), QStringLiteral("First record the boot fault hits (default 0)."),
         QStringLiteral("n")},
        {QStringLiteral("boot-fault-count"), QStringLiteral("Records the boot fault hits (default all)."),
         QStringLiteral("n")},
    });
    if (helpText)
        *helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        if (error)
            *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        if (error)
            *error = QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return false;
    }
    if (showHelp)
        *showHelp = parser.isSet(help);

    options.linkPath = parser.value(QStringLiteral("link"));
    options.logPath = parser.value(QStringLiteral("log"));
    options.pace = parser.isSet(QStringLiteral("pace"));
    options.f5j = parser.isSet(QStringLiteral("f5j"));
    options.blank = parser.isSet(QStringLiteral("blank"));
    options.erasedConfig = parser.isSet(QStringLiteral("erased-config"));
    SimFaults& faults = options.faults;
    faults.noHeader = parser.isSet(QStringLiteral("no-header"));
    faults.wordCountZero = parser.isSet(QStringLiteral("word-count-zero"));
    faults.noVariantReply = parser.isSet(QStringLiteral("no-variant"));
    int seed = int(options.seed);
    const bool numbersOk = readInt(parser, QStringLiteral("baud"), 1, options.baud, error)
                           && readInt(parser, QStringLiteral("sets"), 0, options.sets, error)
                           && readInt(parser, QStringLiteral("words"), 0, options.words, error)
                           && readInt(parser, QStringLiteral("seed"), 0, seed, error)
                           && readInt(parser, QStringLiteral("silence-after"), 0, faults.silenceAfterWords, error)
                           && readInt(parser, QStringLiteral("short-config"), 0, faults.shortConfigBytes, error)
                           && readInt(parser, QStringLiteral("hang-up-after"), 0, faults.hangUpAfterBytes, error)
                           && readInt(parser, QStringLiteral("boot-fault-from"), 0, faults.bootFaultFrom, error)
                           && readInt(parser, QStringLiteral("boot-fault-count"), 0, faults.bootFaultCount, error);
    if (!numbersOk)
        return false;
    options.seed = quint32(seed);
    if (options.words > 65535 || options.sets > 256) {
        if (error)
            *error = QStringLiteral("a module holds at most 256 data sets of at most 65535 words");
        return false;
    }
    if (parser.isSet(QStringLiteral("boot-fault"))
        && !readBootFault(parser.value(QStringLiteral("boot-fault")), faults.bootFault)) {
        if (error)
            *error = QStringLiteral("unknown --boot-fault %1").arg(parser.value(QStringLiteral("boot-fault")));
        return false;
    }
    return true;
}

} // namespace vimo::sim
