#pragma once

#include "cli/Cli.h"
#include "support/ShortTiming.h"

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

// Module commands run with the short timing, so that a module that does not answer costs a second, not five.
inline CliRun runCli(const QStringList& arguments)
{
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = vimo::cli::run(arguments, out, err, shortTiming());
    out.flush();
    err.flush();
    return r;
}

} // namespace vimo::test
