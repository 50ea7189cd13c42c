#pragma once

#include "cli/Cli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace vimo::test {

// One vimo-cli command line run in-process: its exit code and what it wrote to stdout and stderr.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& arguments)
{
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = vimo::cli::run(arguments, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace vimo::test
