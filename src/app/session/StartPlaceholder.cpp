#include "app/session/StartPlaceholder.h"

#include "app/session/UnsavedDataSets.h"
#include "data/Plot.h"

namespace vimo {

void StartPlaceholder::create()
{
    m_set = &m_plot.signals.createDataSet();
    m_unsaved.markSaved(m_plot.signals.indexOf(m_set));
}

bool StartPlaceholder::makeWay()
{
    const int k = m_plot.signals.indexOf(m_set);
    m_set = nullptr;
    if (k < 0 || m_unsaved.isUnsaved(k))
        return false;
    m_plot.signals.deleteDataSet(k);
    return true;
}

} // namespace vimo
