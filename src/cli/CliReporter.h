#pragma once

#include "base/ModuleReporter.h"

class QTextStream;

namespace vimo::cli {

// The module reporter of vimo-cli: memo lines go to `memo` (stdout, or stderr when stdout carries a command's own
// output), message boxes to `err`; a warning box means the command failed. Questions are answered by --yes.
class CliReporter : public ModuleReporter {
public:
    CliReporter(QTextStream& memo, QTextStream& err) : m_memo(memo), m_err(err) {}

    void setAnswer(bool yes) { m_yes = yes; }
    bool failed() const { return m_failed; }

    void clearMemo() override {}
    void memoLine(const QString& line) override;
    void message(const QString& caption, const QString& text, MessageIcon icon) override;
    bool confirm(const QString& caption, const QString& text) override;
    void progress(int, int) override {}
    void progressDone() override {}
    void status(StatusPanel, const QString&) override {}

private:
    QTextStream& m_memo;
    QTextStream& m_err;
    bool m_yes = false;
    bool m_failed = false;
};

} // namespace vimo::cli
