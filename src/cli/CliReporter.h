#pragma once

#include "base/ModuleReporter.h"
#include "base/ProgressEstimate.h"

class QTextStream;

namespace vimo::cli {

// The module reporter of vimo-cli: memo lines go to `memo` (stdout, or stderr when stdout carries a command's own
// output), message boxes to `err`; a warning box means the command failed. Questions are answered by --yes.
//
// With a progress line (only when `err` is a terminal, so that scripts and logs never see it), the stage of a
// download or firmware update and its time left are kept on one line of `err`, redrawn in place and erased when
// the work ends; memo lines and messages are written above it.
class CliReporter : public ModuleReporter {
public:
    CliReporter(QTextStream& memo, QTextStream& err, MonotonicClock clock = steadyClockMs)
        : m_memo(memo), m_err(err), m_progress(std::move(clock))
    {
    }

    void setAnswer(bool yes) { m_yes = yes; }
    void setProgressLine(bool shown) { m_progressLine = shown; }
    bool failed() const { return m_failed; }

    void clearMemo() override {}
    void memoLine(const QString& line) override;
    void message(const QString& caption, const QString& text, MessageIcon icon) override;
    bool confirm(const QString& caption, const QString& text) override;
    void progress(int value, int total) override;
    void progressDone() override;
    void status(StatusPanel panel, const QString& text) override;
    // True once SIGINT, SIGTERM or SIGHUP arrived while StopSignals listens for them.
    bool cancelRequested() override;

private:
    // Writes the progress line when its text changed; with `force` also when it did not.
    void drawProgress(bool force = false);
    void eraseProgress();

    QTextStream& m_memo;
    QTextStream& m_err;
    bool m_yes = false;
    bool m_failed = false;
    bool m_progressLine = false;
    ProgressStatus m_progress;
    QString m_shown; // the progress line on the terminal; empty when none is
};

// True when the stream writes to a terminal.
bool isTerminal(const QTextStream& stream);

} // namespace vimo::cli
