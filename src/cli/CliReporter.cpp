#include "cli/CliReporter.h"

#include "cli/StopSignals.h"

#include <QFileDevice>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vimo::cli {
namespace {

// Back to the start of the line, and the rest of it erased.
constexpr const char* kReturn = "\r";
constexpr const char* kEraseToEnd = "\x1b[K";

} // namespace

void CliReporter::memoLine(const QString& line)
{
    eraseProgress();
    m_memo << line << '\n';
    m_memo.flush();
    drawProgress(true);
}

void CliReporter::message(const QString& caption, const QString& text, MessageIcon icon)
{
    eraseProgress();
    m_err << "vimo-cli: " << caption << ": " << text << '\n';
    m_err.flush();
    if (icon == MessageIcon::Warning)
        m_failed = true;
    drawProgress(true);
}

bool CliReporter::cancelRequested()
{
    return StopSignals::caught() != 0;
}

bool CliReporter::confirm(const QString&, const QString&)
{
    return m_yes;
}

void CliReporter::progress(int value, int total)
{
    m_progress.setProgress(value, total);
    drawProgress();
}

void CliReporter::progressDone()
{
    m_progress.finish();
    eraseProgress();
}

void CliReporter::status(StatusPanel panel, const QString& text)
{
    if (panel != StatusPanel::Progress)
        return;
    m_progress.setStage(text);
    drawProgress();
}

void CliReporter::drawProgress(bool force)
{
    if (!m_progressLine)
        return;
    const QString text = m_progress.text();
    if (text == m_shown && !force)
        return;
    if (text.isEmpty()) {
        eraseProgress();
        return;
    }
    m_err << kReturn << text << kEraseToEnd;
    m_err.flush();
    m_shown = text;
}

void CliReporter::eraseProgress()
{
    if (m_shown.isEmpty())
        return;
    m_err << kReturn << kEraseToEnd;
    m_err.flush();
    m_shown.clear();
}

bool isTerminal(const QTextStream& stream)
{
    const auto* file = qobject_cast<const QFileDevice*>(stream.device());
    if (!file || file->handle() < 0)
        return false;
#ifdef Q_OS_WIN
    return _isatty(file->handle()) != 0;
#else
    return isatty(file->handle()) != 0;
#endif
}

} // namespace vimo::cli
