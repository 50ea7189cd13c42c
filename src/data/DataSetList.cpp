#include "data/DataSetList.h"

#include "data/TextRules.h"

#include <algorithm>

namespace vimo {

DataSetList::DataSetList(QObject* parent) : QAbstractListModel(parent) {}

DataSetList::~DataSetList() = default;

Signal& DataSetList::signalAt(int entry)
{
    DataSet& set = at(entry / 2);
    return entry % 2 == 0 ? set.altitude : set.trigger;
}

const Signal& DataSetList::signalAt(int entry) const
{
    const DataSet& set = at(entry / 2);
    return entry % 2 == 0 ? set.altitude : set.trigger;
}

DataSet& DataSetList::createDataSet()
{
    const Colour colour = dataSetColors[std::size_t(m_colourCounter)];
    m_colourCounter = (m_colourCounter + 1) % int(dataSetColors.size());

    auto set = std::make_unique<DataSet>();
    for (int i = 0; i <= 20; ++i)
        set->altitude.series.append(i, i, 0);

    Signal& alt = set->altitude;
    alt.lineColor = alt.pointColor = colour;
    alt.lineStyle = kLineSolid;
    alt.pointStyle = kPointNone;
    alt.name = QStringLiteral("Data%1").arg(m_nameCounter, 3, 10, QLatin1Char('0'));
    m_nameCounter = m_nameCounter >= 999 ? 0 : m_nameCounter + 1;

    Signal& trig = set->trigger;
    trig.lineColor = trig.pointColor = colour;
    trig.lineStyle = kLineNone;
    trig.pointStyle = kPointTriangle;

    const int row = size();
    beginInsertRows(QModelIndex(), row, row);
    m_sets.push_back(std::move(set));
    endInsertRows();
    Q_EMIT dataSetCreated(row);
    return *m_sets.back();
}

void DataSetList::deleteDataSet(int k)
{
    takeDataSet(k);
}

std::unique_ptr<DataSet> DataSetList::takeDataSet(int k)
{
    if (!isValidIndex(k))
        return nullptr;
    beginRemoveRows(QModelIndex(), k, k);
    std::unique_ptr<DataSet> set = std::move(m_sets[std::size_t(k)]);
    m_sets.erase(m_sets.begin() + k);
    endRemoveRows();
    return set;
}

void DataSetList::insertDataSet(int k, std::unique_ptr<DataSet> set)
{
    if (!set)
        return;
    const int row = std::clamp(k, 0, size());
    beginInsertRows(QModelIndex(), row, row);
    m_sets.insert(m_sets.begin() + row, std::move(set));
    endInsertRows();
}

int DataSetList::indexOf(const DataSet* set) const
{
    for (int k = 0; k < size(); ++k) {
        if (m_sets[std::size_t(k)].get() == set)
            return k;
    }
    return -1;
}

int DataSetList::indexOfSource(const QString& sourceFile) const
{
    for (int k = 0; k < size(); ++k) {
        if (!sourceFile.isEmpty() && m_sets[std::size_t(k)]->sourceFile == sourceFile)
            return k;
    }
    return -1;
}

void DataSetList::clear()
{
    if (m_sets.empty())
        return;
    beginResetModel();
    m_sets.clear();
    endResetModel();
}

void DataSetList::rename(int k, const QString& name)
{
    if (!isValidIndex(k))
        return;
    at(k).altitude.name = text::field(name, text::kNameChars);
    notifyChanged(k);
}

void DataSetList::notifyChanged(int k)
{
    if (!isValidIndex(k))
        return;
    const QModelIndex i = index(k);
    Q_EMIT dataChanged(i, i);
}

int DataSetList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : size();
}

QVariant DataSetList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isValidIndex(index.row()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return at(index.row()).name();
    return {};
}

} // namespace vimo
