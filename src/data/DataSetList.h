#pragma once

#include "data/Colour.h"
#include "data/Signal.h"

#include <QAbstractListModel>
#include <array>
#include <memory>
#include <vector>

namespace vimo {

// The default colours of new data sets, used in this order.
constexpr std::array<Colour, 13> dataSetColors = {
    0xFF0000, 0x0000FF, 0x008000, 0xFF00FF, 0xC0C0C0, 0x000080, 0xFFFF00,
    0x00FF00, 0x008080, 0x800080, 0x808080, 0x000000, 0x808000,
};

// The plot's data sets in order of creation (minus deletions). Data set k stands for signal-list entries 2k
// (altitude) and 2k+1 (trigger). It is also the one list model behind every view of the data sets (the Data
// Properties list and the "Active Data Set" box): a row's display text is the data set's name, so the views stay
// in step by themselves.
class DataSetList : public QAbstractListModel {
    Q_OBJECT
public:
    explicit DataSetList(QObject* parent = nullptr);
    ~DataSetList() override;

    int size() const { return int(m_sets.size()); }
    bool isEmpty() const { return m_sets.empty(); }
    bool isValidIndex(int k) const { return k >= 0 && k < size(); }
    DataSet& at(int k) { return *m_sets[std::size_t(k)]; }
    const DataSet& at(int k) const { return *m_sets[std::size_t(k)]; }

    // Signal-list view: entry 2k is the altitude Signal of data set k, 2k+1 its trigger Signal.
    int signalCount() const { return 2 * size(); }
    Signal& signalAt(int entry);
    const Signal& signalAt(int entry) const;

    // Appends a data set with the next default colour and name ("Data000" .. "Data999", then again), filled with
    // the 21-sample ramp (i, i) for i = 0..20, and returns it. Emits dataSetCreated(row) after the row exists.
    DataSet& createDataSet();

    // Removes data set k and everything it owns; nothing happens for an invalid k.
    void deleteDataSet(int k);

    // Removes data set k from the list and hands it over (null for an invalid k), so that it can be put back later
    // with insertDataSet() as the same object (undo of a delete).
    std::unique_ptr<DataSet> takeDataSet(int k);

    // Puts a data set at position k (clamped to 0..size()); the data sets from k on move up by one. Emits no
    // dataSetCreated(): the set is not a new one.
    void insertDataSet(int k, std::unique_ptr<DataSet> set);

    // Position of a data set held by this list, or -1.
    int indexOf(const DataSet* set) const;
    // Position of the first data set loaded from the file `sourceFile` (DataSet::sourceFile), or -1.
    int indexOfSource(const QString& sourceFile) const;

    // Removes every data set (program end, tests).
    void clear();

    // Renames data set k (cut to 19 characters, one line) and tells the views.
    void rename(int k, const QString& name);

    // Tells the views that data set k changed (samples, styles, notes).
    void notifyChanged(int k);

    // Colour and name counters (process-wide in the sense of one plot; not saved).
    int colourCounter() const { return m_colourCounter; }
    int nameCounter() const { return m_nameCounter; }

    // QAbstractListModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void dataSetCreated(int row);

private:
    std::vector<std::unique_ptr<DataSet>> m_sets;
    int m_colourCounter = 0;
    int m_nameCounter = 0;
};

} // namespace vimo
