#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

namespace vimo {

// A table model as text, as its view shows it: the header line, then one line per row, each cell's display text;
// a cell holding the separator, a quote or a line break is quoted, its quotes doubled (RFC 4180).
QString tableText(const QAbstractItemModel& model, QChar separator, const QString& lineEnd);

// The same as a CSV file: commas, CR LF line ends, UTF-8.
QByteArray tableCsvBytes(const QAbstractItemModel& model);

} // namespace vimo
