#pragma once

#include "plot/PlotPoint.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace vimo {

class DataCommand;
struct DataSet;
struct Plot;

// Every change that the "Recorded Data" page makes to the data sets goes through here, so that Ctrl+Z can take it back
// and Ctrl+Shift+Z do it again: crop, the Data Properties dialog's Apply, Fix Drift, Fix Offset and "Delete Data Set",
// peak tags and rate marks, and showing or hiding a data set. The operations themselves are the plot's own; undo only
// adds a way back. A command keeps its data set by identity, not by position, so data sets added later (a download, a
// load) never confuse it. A change that changes nothing is not recorded.
class DataEditor : public QObject {
    Q_OBJECT
public:
    explicit DataEditor(Plot& plot, QObject* parent = nullptr);
    ~DataEditor() override;

    QUndoStack& stack() { return m_stack; }

    // Cuts every data set to the visible time range and rescales both axes.
    void crop();

    // Runs `change` on data set k (its position, looked up again at every redo) and records it when it answers
    // true. Before and after, the data set is kept whole; the visible range, the home range and the third info
    // line are kept as well and restored by undo when the change moved them (the fixes rescale the altitude axis
    // and rewrite "max="). Returns what `change` answered; false for an invalid k.
    bool changeDataSet(int k, const QString& description, const std::function<bool(Plot&, int)>& change);

    // Removes data set k; undo puts the same data set back at its position.
    bool deleteDataSet(int k);

    // Shows or hides data set k on the plot (its altitude Signal's `visible`: display state, never saved). False,
    // and nothing recorded, when k is not a data set or already is so.
    bool setDataSetVisible(int k, bool visible);

    // Toggles the peak tag of `sample` in data set k.
    bool togglePeak(int k, int sample);

    // Stores a rate mark from sample `start` to `end` of data set k when the drag from anchor to current is large
    // enough (see placeRateMark).
    bool placeRateMark(int k, int start, int end, const PlotPoint& anchor, const PlotPoint& current);

    // Ctrl+Z and Ctrl+Shift+Z.
    void undo();
    void redo();

Q_SIGNALS:
    // The data sets or the view changed (a change, an undo or a redo): repaint.
    void changed();

private:
    // Runs a command that has already done its work once and records it; the first redo() that push() calls
    // does nothing more.
    void record(DataCommand* command);

    Plot& m_plot;
    QUndoStack m_stack;
};

} // namespace vimo
