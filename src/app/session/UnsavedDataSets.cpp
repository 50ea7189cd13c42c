#include "app/session/UnsavedDataSets.h"

#include "data/DataSetList.h"

namespace vimo {

UnsavedDataSets::UnsavedDataSets(DataSetList& sets, QObject* parent) : QObject(parent), m_sets(sets)
{
    connect(&sets, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        for (int k = first; k <= last; ++k)
            m_unsaved.insert(&m_sets.at(k));
    });
    connect(&sets, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        for (int k = from.row(); k <= to.row(); ++k) {
            if (m_sets.isValidIndex(k))
                m_unsaved.insert(&m_sets.at(k));
        }
    });
    // A data set that leaves the list takes its work along; the pointer may name another data set later.
    connect(&sets, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
        for (int k = first; k <= last; ++k)
            m_unsaved.erase(&m_sets.at(k));
    });
    connect(&sets, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_unsaved.clear(); });
}

bool UnsavedDataSets::isUnsaved(int k) const
{
    return m_sets.isValidIndex(k) && m_unsaved.count(&m_sets.at(k)) > 0;
}

void UnsavedDataSets::markSaved(int k)
{
    if (m_sets.isValidIndex(k))
        m_unsaved.erase(&m_sets.at(k));
}

void UnsavedDataSets::markSavedFrom(int first)
{
    for (int k = std::max(first, 0); k < m_sets.size(); ++k)
        m_unsaved.erase(&m_sets.at(k));
}

} // namespace vimo
