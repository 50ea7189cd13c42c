#pragma once

#include <QCommandLineParser>
#include <QSet>
#include <QString>
#include <QStringList>

class QTextStream;

namespace vimo::cli {

// The command line of one vimo-cli command, with the rules every command keeps: -h/--help prints the command's
// help; an unknown option, an option given twice (unless it may repeat), an option whose value is empty, a
// missing, empty or stray word are usage errors that print the help (exit 2). Commands add their own options to
// `parser` and read them from it after parse().
// How many words besides the options a command takes (max -1: any number), and what a word is, for the messages
// ("file": "no file given", "the file name is empty").
struct CommandWords {
    int min = 0;
    int max = 0;
    const char* kind = "file";
};

class CommandLine {
public:
    // The words of the commands that read data files: one file or more.
    static constexpr CommandWords kDataFiles{1, -1, "file"};

    // `command` names it in messages ("stats"); `help` is its usage text.
    CommandLine(const char* command, QString help, CommandWords words = CommandWords());

    QCommandLineParser parser;
    int minWords = 0;
    int maxWords = 0;
    QString wordKind;

    // An option that may be given more than once (config's --set).
    void allowRepeated(const QString& name) { m_repeatable.insert(name); }

    // Parses. Returns -1 when the command should go on, else the exit code (help shown, or a usage error reported).
    int parse(const QStringList& arguments, QTextStream& out, QTextStream& err);

    // The words besides the options.
    QStringList words() const { return parser.positionalArguments(); }

    // Reports a usage error with the help text; returns the usage exit code.
    int usageError(QTextStream& err, const QString& problem) const;

    // "vimo-cli <command>: ", the start of the command's messages.
    QString prefix() const;

    const char* command() const { return m_command; }
    const QString& help() const { return m_help; }

private:
    // The first rule the parsed line breaks, or an empty text.
    QString brokenRule() const;

    const char* m_command;
    QString m_help;
    QCommandLineOption m_helpOption;
    QSet<QString> m_repeatable;
};

} // namespace vimo::cli
