#pragma once

namespace vimo {

class UnsavedDataSets;
struct DataSet;
struct Plot;

// The data set the window starts with (the 0..20 ramp), so that the plot is not empty. It makes way for the first
// real data set (a download or a load) unless the user changed it, and a plot file never holds it.
class StartPlaceholder {
public:
    StartPlaceholder(Plot& plot, UnsavedDataSets& unsaved) : m_plot(plot), m_unsaved(unsaved) {}

    // Adds the placeholder; no file needs to hold it.
    void create();

    // Real data arrived: removes the placeholder unless the user changed it. Only the first arrival counts. True
    // when it was removed, so that the caller can scale the plot to fit the real data.
    bool makeWay();

private:
    Plot& m_plot;
    UnsavedDataSets& m_unsaved;
    const DataSet* m_set = nullptr;
};

} // namespace vimo
