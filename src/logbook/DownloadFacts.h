#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <optional>

namespace vimo {

// What is known about an archived flight beyond what its data set file holds: when it was downloaded, which of
// the module's sets it was, the module's identity from "v", whether the set arrived whole, and the model aircraft
// the user says it was flown in. Kept in a small JSON file beside the data set file, so that a rebuilt index still
// knows it.
struct DownloadFacts {
    QDateTime downloaded; // UTC
    int set = 0;          // 1-based set number on the module; 0 when unknown
    QString deviceName;
    QString model;
    QString softwareVersion;
    bool incomplete = false; // the transfer ended early or was cancelled
    QString airframe;        // the model aircraft, empty until the user names it ("airframe" in the file)

    friend bool operator==(const DownloadFacts&, const DownloadFacts&) = default;
};

namespace downloadfacts {

// The file beside a data set file: "<file>.json" with the ".csv" replaced ("Alt_2026-12-08_1.json").
QString pathFor(const QString& dataSetFile);

QByteArray toBytes(const DownloadFacts& facts);

// Nothing when the bytes are not such a file; fields that are missing or of the wrong type keep their defaults.
std::optional<DownloadFacts> fromBytes(QByteArrayView bytes);

} // namespace downloadfacts
} // namespace vimo
