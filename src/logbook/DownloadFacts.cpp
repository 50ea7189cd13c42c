#include "logbook/DownloadFacts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace vimo::downloadfacts {

QString pathFor(const QString& dataSetFile)
{
    QString base = dataSetFile;
    if (base.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QLatin1String(".json");
}

QByteArray toBytes(const DownloadFacts& facts)
{
    const QJsonObject object{
        {QStringLiteral("downloaded"), facts.downloaded.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("set"), facts.set},
        {QStringLiteral("deviceName"), facts.deviceName},
        {QStringLiteral("model"), facts.model},
        {QStringLiteral("softwareVersion"), facts.softwareVersion},
        {QStringLiteral("incomplete"), facts.incomplete},
        {QStringLiteral("airframe"), facts.airframe},
    };
    return QJsonDocument(object).toJson();
}

std::optional<DownloadFacts> fromBytes(QByteArrayView bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray());
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    DownloadFacts facts;
    const QDateTime when = QDateTime::fromString(o.value(QStringLiteral("downloaded")).toString(), Qt::ISODateWithMs);
    if (when.isValid())
        facts.downloaded = when.toUTC();
    const double set = o.value(QStringLiteral("set")).toDouble(0);
    facts.set = set >= 1 && set <= 256 ? int(set) : 0;
    facts.deviceName = o.value(QStringLiteral("deviceName")).toString();
    facts.model = o.value(QStringLiteral("model")).toString();
    facts.softwareVersion = o.value(QStringLiteral("softwareVersion")).toString();
    facts.incomplete = o.value(QStringLiteral("incomplete")).toBool(false);
    facts.airframe = o.value(QStringLiteral("airframe")).toString();
    return facts;
}

} // namespace vimo::downloadfacts
