#pragma once

#include "data/SafeSave.h"

#include <QByteArray>
#include <QString>

namespace vimo {

struct Plot;

// The trigger (photo) list of data set k ("Export Photo Info"): the plot's title and axis labels and the set's
// three notes as "#" lines, a column heading, then per trigger sample its number from 1, time and altitude.
// CR LF line ends, UTF-8. Empty when k is not a data set.
QByteArray photoListBytes(const Plot& plot, int k);

// Writes the photo list of data set k through a temporary file; NoDataSet when k is not a data set.
SaveStatus savePhotoList(const QString& path, const Plot& plot, int k, QString* reason = nullptr);

} // namespace vimo
