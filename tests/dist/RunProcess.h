#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vimo::test {

// What a finished program left: its exit code (-1 when it could not run or crashed) and its output.
struct ProcessResult {
    int code = -1;
    QString out;
    QString err;
};

// Runs a program to its end (at most a minute) with `extraEnv` ("NAME=value") added to this process's environment.
inline ProcessResult runProcess(const QString& program, const QStringList& arguments, const QStringList& extraEnv = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : extraEnv)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
    } else {
        result.code = process.exitCode();
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace vimo::test
