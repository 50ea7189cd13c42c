#pragma once

#include <QObject>
#include <set>

namespace vimo {

class DataSetList;
struct DataSet;

// Which data sets of the plot hold work that no file holds: every data set that joins the list (a download, an
// undone delete) or changes counts, until a save or a load says otherwise. Close asks before such work is lost.
class UnsavedDataSets : public QObject {
    Q_OBJECT
public:
    explicit UnsavedDataSets(DataSetList& sets, QObject* parent = nullptr);

    bool any() const { return !m_unsaved.empty(); }
    bool isUnsaved(int k) const;

    // Data set k is held by a file now (saved, or just loaded).
    void markSaved(int k);
    // Every data set from `first` on is held by a file.
    void markSavedFrom(int first);

private:
    DataSetList& m_sets;
    std::set<const DataSet*> m_unsaved;
};

} // namespace vimo
