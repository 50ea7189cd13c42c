#include "data/TableText.h"

#include <QAbstractItemModel>
#include <QStringList>

namespace vimo {
namespace {

QString cell(const QString& text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString tableText(const QAbstractItemModel& model, QChar separator, const QString& lineEnd)
{
    QString text;
    QStringList cells;
    const int columns = model.columnCount();
    for (int c = 0; c < columns; ++c)
        cells << cell(model.headerData(c, Qt::Horizontal).toString(), separator);
    text += cells.join(separator) + lineEnd;
    for (int row = 0; row < model.rowCount(); ++row) {
        cells.clear();
        for (int c = 0; c < columns; ++c)
            cells << cell(model.index(row, c).data().toString(), separator);
        text += cells.join(separator) + lineEnd;
    }
    return text;
}

QByteArray tableCsvBytes(const QAbstractItemModel& model)
{
    return tableText(model, QLatin1Char(','), QStringLiteral("\r\n")).toUtf8();
}

} // namespace vimo
