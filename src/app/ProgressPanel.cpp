#include "app/ProgressPanel.h"

namespace vimo {

ProgressPanel::ProgressPanel(QWidget* parent, MonotonicClock clock) : QLabel(parent), m_status(std::move(clock))
{
    setObjectName(QStringLiteral("ProgressText"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVisible(false);
}

void ProgressPanel::setStage(const QString& stage)
{
    m_status.setStage(stage);
    refresh();
}

void ProgressPanel::setProgress(int value, int total)
{
    m_status.setProgress(value, total);
    refresh();
}

void ProgressPanel::finish()
{
    m_status.finish();
    refresh();
}

void ProgressPanel::refresh()
{
    const QString text = m_status.text();
    setText(text);
    setVisible(!text.isEmpty());
}

} // namespace vimo
