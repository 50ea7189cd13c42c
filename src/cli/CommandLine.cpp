#include "cli/CommandLine.h"

#include "cli/Cli.h"

#include <QTextStream>

namespace vimo::cli {

CommandLine::CommandLine(const char* command, QString help, CommandWords words)
    : minWords(words.min), maxWords(words.max), wordKind(QString::fromLatin1(words.kind)), m_command(command),
      m_help(std::move(help)), m_helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")})
{
    parser.addOption(m_helpOption);
}

QString CommandLine::prefix() const
{
    return QStringLiteral("vimo-cli %1: ").arg(QLatin1String(m_command));
}

int CommandLine::usageError(QTextStream& err, const QString& problem) const
{
    err << prefix() << problem << "\n\n" << m_help;
    return kUsage;
}

QString CommandLine::brokenRule() const
{
    const QStringList names = parser.optionNames();
    for (const QString& name : names) {
        const QString dashed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        if (names.count(name) > 1 && !m_repeatable.contains(name))
            return QStringLiteral("%1 is given more than once").arg(dashed);
        if (parser.values(name).contains(QString()))
            return QStringLiteral("%1 is empty").arg(dashed);
    }
    const QStringList given = words();
    if (maxWords >= 0 && given.size() > maxWords)
        return QStringLiteral("unexpected word: %1").arg(given.at(maxWords));
    if (given.size() < minWords)
        return QStringLiteral("no %1 given").arg(wordKind);
    if (given.contains(QString()))
        return QStringLiteral("the %1 name is empty").arg(wordKind);
    return QString();
}

int CommandLine::parse(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(m_helpOption)) {
        out << m_help;
        return kOk;
    }
    const QString problem = brokenRule();
    return problem.isEmpty() ? -1 : usageError(err, problem);
}

} // namespace vimo::cli
