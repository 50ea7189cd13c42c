#include "app/ProgressPanel.h"

namespace vimo {

ProgressPanel::ProgressPanel(QWidget* parent, MonotonicClock clock) : QLabel(parent), m_estimate(std::move(clock))
{
    setObjectName(QStringLiteral("ProgressText"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVisible(false);
}

void ProgressPanel::setStage(const QString& stage)
{
    m_stage = stage;
    m_estimate.restart();
    refresh();
}

void ProgressPanel::setProgress(int value, int total)
{
    m_estimate.update(value, total);
    refresh();
}

void ProgressPanel::finish()
{
    m_stage.clear();
    m_estimate.restart();
    refresh();
}

void ProgressPanel::refresh()
{
    const QString text = progressText(m_stage, m_estimate.secondsLeft());
    setText(text);
    setVisible(!text.isEmpty());
}

} // namespace vimo
