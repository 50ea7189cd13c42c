#include "cli/CliReporter.h"

#include <QTextStream>

namespace vimo::cli {

void CliReporter::memoLine(const QString& line)
{
    m_memo << line << '\n';
    m_memo.flush();
}

void CliReporter::message(const QString& caption, const QString& text, MessageIcon icon)
{
    m_err << "vimo-cli: " << caption << ": " << text << '\n';
    m_err.flush();
    if (icon == MessageIcon::Warning)
        m_failed = true;
}

bool CliReporter::confirm(const QString&, const QString&)
{
    return m_yes;
}

} // namespace vimo::cli
