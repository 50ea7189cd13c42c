#include "plot/DataEditor.h"

#include "data/Plot.h"
#include "plot/Crop.h"
#include "plot/DragRules.h"

#include <QUndoCommand>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vimo {

// The undo stack keeps at most this many changes; older ones are forgotten (a crop of eight long flights keeps a
// copy of them, several megabytes).
constexpr int kUndoLimit = 50;

// A change that has done its work once when it is recorded; redo() does it again after an undo.
class DataCommand : public QUndoCommand {
public:
    DataCommand(Plot& plot, const QString& text) : QUndoCommand(text), m_plot(plot) {}

    void redo() final
    {
        if (m_recorded)
            apply();
        m_recorded = true;
    }
    void undo() final { revert(); }

    // Does the work for the first time, before the command is recorded.
    void perform() { apply(); }

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;

    // Position of `set` in the plot, or -1 when it is not there.
    int positionOf(const DataSet* set) const { return m_plot.signals.indexOf(set); }

    Plot& m_plot;

private:
    bool m_recorded = false; // push() calls redo() once; the work is done by then
};

namespace {

// What a change may move beside the data sets: the visible range, the home range and the third info line.
struct ViewState {
    PlotRange range;
    PlotRange home;
    QString info3;

    static ViewState of(const Plot& plot) { return {plot.range(), plot.homeRange, plot.info3}; }
    void restore(Plot& plot) const
    {
        plot.setRange(range);
        plot.homeRange = home;
        plot.info3 = info3;
    }
    friend bool operator==(const ViewState&, const ViewState&) = default;
};

// A change of whole data sets: undo puts back copies of them as they were before.
class SnapshotCommand : public DataCommand {
public:
    SnapshotCommand(Plot& plot, const QString& text, std::vector<DataSet*> sets, std::function<bool()> change)
        : DataCommand(plot, text), m_change(std::move(change))
    {
        for (DataSet* set : sets)
            m_before.emplace_back(set, *set);
    }

    // Runs the change for the first time; false when it changed nothing.
    bool execute()
    {
        const ViewState viewBefore = ViewState::of(m_plot);
        if (!m_change())
            return false;
        if (!(ViewState::of(m_plot) == viewBefore))
            m_viewBefore = viewBefore;
        return true;
    }

protected:
    void apply() override { m_change(); }
    void revert() override
    {
        for (const auto& [set, copy] : m_before) {
            const int k = positionOf(set);
            if (k < 0)
                continue;
            *set = copy;
            m_plot.signals.notifyChanged(k);
        }
        if (m_viewBefore)
            m_viewBefore->restore(m_plot);
    }

private:
    std::function<bool()> m_change;
    std::vector<std::pair<DataSet*, DataSet>> m_before;
    std::optional<ViewState> m_viewBefore; // only when the change moved the view
};

class DeleteCommand : public DataCommand {
public:
    DeleteCommand(Plot& plot, DataSet* set) : DataCommand(plot, QStringLiteral("Delete Data Set")), m_set(set) {}

protected:
    void apply() override
    {
        m_position = positionOf(m_set);
        m_held = m_plot.signals.takeDataSet(m_position);
    }
    void revert() override { m_plot.signals.insertDataSet(m_position, std::move(m_held)); }

private:
    DataSet* m_set;
    int m_position = -1;
    std::unique_ptr<DataSet> m_held; // the deleted data set while the delete is in force
};

class PeakCommand : public DataCommand {
public:
    PeakCommand(Plot& plot, DataSet* set, int sample)
        : DataCommand(plot, QStringLiteral("Peak")), m_set(set), m_sample(sample)
    {
    }

protected:
    void apply() override { toggle(); }
    void revert() override { toggle(); }

private:
    void toggle()
    {
        const int k = positionOf(m_set);
        if (k >= 0 && togglePeakTag(*m_set, m_sample))
            m_plot.signals.notifyChanged(k);
    }

    DataSet* m_set;
    int m_sample;
};

class RateMarkCommand : public DataCommand {
public:
    RateMarkCommand(Plot& plot, DataSet* set, int slot)
        : DataCommand(plot, QStringLiteral("Climb")), m_set(set), m_slot(slot), m_mark(set->rateMarks[slot])
    {
    }

protected:
    void apply() override { set(m_mark); }
    void revert() override { set(RateMark{}); }

private:
    void set(const RateMark& mark)
    {
        const int k = positionOf(m_set);
        if (k < 0)
            return;
        m_set->rateMarks[std::size_t(m_slot)] = mark;
        m_plot.signals.notifyChanged(k);
    }

    DataSet* m_set;
    int m_slot;
    RateMark m_mark;
};

class VisibilityCommand : public DataCommand {
public:
    VisibilityCommand(Plot& plot, DataSet* set, bool visible)
        : DataCommand(plot, visible ? QStringLiteral("Show Data Set") : QStringLiteral("Hide Data Set")), m_set(set),
          m_visible(visible)
    {
    }

protected:
    void apply() override { set(m_visible); }
    void revert() override { set(!m_visible); }

private:
    void set(bool visible)
    {
        const int k = positionOf(m_set);
        if (k < 0)
            return;
        m_set->altitude.visible = visible;
        m_plot.signals.notifyChanged(k);
    }

    DataSet* m_set;
    bool m_visible;
};

int firstFreeSlot(const DataSet& set)
{
    for (int i = 0; i < kRateMarkSlots; ++i) {
        if (!set.rateMarks[std::size_t(i)].inUse)
            return i;
    }
    return -1;
}

} // namespace

DataEditor::DataEditor(Plot& plot, QObject* parent) : QObject(parent), m_plot(plot)
{
    m_stack.setUndoLimit(kUndoLimit);
}

// The commands hold data sets that are out of the plot while their delete is in force; they go with the stack.
DataEditor::~DataEditor() = default;

void DataEditor::record(DataCommand* command)
{
    m_stack.push(command);
    Q_EMIT changed();
}

void DataEditor::crop()
{
    std::vector<DataSet*> sets;
    for (int k = 0; k < m_plot.signals.size(); ++k)
        sets.push_back(&m_plot.signals.at(k));
    auto command = std::make_unique<SnapshotCommand>(m_plot, QStringLiteral("Crop"), sets, [this] {
        cropToView(m_plot);
        return true;
    });
    command->execute();
    record(command.release());
}

bool DataEditor::changeDataSet(int k, const QString& description, const std::function<bool(Plot&, int)>& change)
{
    if (!m_plot.signals.isValidIndex(k))
        return false;
    DataSet* set = &m_plot.signals.at(k);
    const auto run = [this, set, change] {
        const int position = m_plot.signals.indexOf(set);
        return position >= 0 && change(m_plot, position);
    };
    auto command = std::make_unique<SnapshotCommand>(m_plot, description, std::vector<DataSet*>{set}, run);
    if (!command->execute())
        return false;
    record(command.release());
    return true;
}

bool DataEditor::deleteDataSet(int k)
{
    if (!m_plot.signals.isValidIndex(k))
        return false;
    auto* command = new DeleteCommand(m_plot, &m_plot.signals.at(k));
    command->perform();
    record(command);
    return true;
}

bool DataEditor::setDataSetVisible(int k, bool visible)
{
    if (!m_plot.signals.isValidIndex(k) || m_plot.signals.at(k).altitude.visible == visible)
        return false;
    auto* command = new VisibilityCommand(m_plot, &m_plot.signals.at(k), visible);
    command->perform();
    record(command);
    return true;
}

bool DataEditor::togglePeak(int k, int sample)
{
    if (!m_plot.signals.isValidIndex(k) || !togglePeakTag(m_plot.signals.at(k), sample))
        return false;
    m_plot.signals.notifyChanged(k);
    record(new PeakCommand(m_plot, &m_plot.signals.at(k), sample));
    return true;
}

bool DataEditor::placeRateMark(int k, int start, int end, const PlotPoint& anchor, const PlotPoint& current)
{
    if (!m_plot.signals.isValidIndex(k))
        return false;
    DataSet& set = m_plot.signals.at(k);
    const int slot = firstFreeSlot(set);
    if (!vimo::placeRateMark(set, start, end, anchor, current))
        return false;
    m_plot.signals.notifyChanged(k);
    record(new RateMarkCommand(m_plot, &set, slot));
    return true;
}

void DataEditor::undo()
{
    m_stack.undo();
    Q_EMIT changed();
}

void DataEditor::redo()
{
    m_stack.redo();
    Q_EMIT changed();
}

} // namespace vimo
