#include "logbook/IndexSchema.h"

#include "data/NativeName.h"

#include <QSet>
#include <QSqlQuery>
#include <QStringList>

namespace vimo::indexschema {
namespace {

using indextable::column;

// The path column: a file name that is not UTF-8 is kept as text (see nativename), as the database keeps text only.
template <auto Path>
constexpr auto pathColumn(const char* constraint)
{
    using Row = typename indextable::MemberPointer<decltype(Path)>::Class;
    return indextable::Column<Row>{"path", indextable::Stored<QString>::kType, constraint,
                                   [](const Row& r) { return QVariant(nativename::toText(r.*Path)); },
                                   [](Row& r, const QVariant& v) { r.*Path = nativename::fromText(v.toString()); }};
}

constexpr indextable::Column<ArchivedRecording> kRecordingColumns[] = {
    pathColumn<&ArchivedRecording::path>("PRIMARY KEY"),
    column<&ArchivedRecording::downloaded>("downloaded"),
    column<&ArchivedRecording::set>("set_number"),
    column<&ArchivedRecording::deviceName>("device_name"),
    column<&ArchivedRecording::model>("model"),
    column<&ArchivedRecording::softwareVersion>("software_version"),
    column<&ArchivedRecording::samples>("samples"),
    column<&ArchivedRecording::interval>("interval"),
    column<&ArchivedRecording::unit>("unit"),
    column<&ArchivedRecording::triggerCount>("trigger_count"),
    column<&ArchivedRecording::firstTime>("first_time"),
    column<&ArchivedRecording::lastTime>("last_time"),
    column<&ArchivedRecording::firstValue>("first_value"),
    column<&ArchivedRecording::lastValue>("last_value"),
    column<&ArchivedRecording::highestValue>("highest_value"),
    column<&ArchivedRecording::name>("name"),
    column<&ArchivedRecording::notes>("notes"),
    column<&ArchivedRecording::incomplete>("incomplete"),
    column<&ArchivedRecording::airframe>("airframe"),
    column<&ArchivedRecording::digest>("digest"),
    column<&ArchivedRecording::fileSize>("file_size"),
    column<&ArchivedRecording::fileModified>("file_modified"),
};
constexpr indextable::Table<ArchivedRecording> kRecordings{"recordings", kRecordingColumns};

constexpr indextable::Column<IndexedFlight> kFlightColumns[] = {
    pathColumn<&IndexedFlight::path>(""),
    column<&IndexedFlight::flight, &FlightMeasures::number>("flight"),
    column<&IndexedFlight::flight, &FlightMeasures::launch>("launch"),
    column<&IndexedFlight::flight, &FlightMeasures::duration>("duration"),
    column<&IndexedFlight::flight, &FlightMeasures::startHeight>("start_height"),
    column<&IndexedFlight::flight, &FlightMeasures::penalty>("penalty"),
    column<&IndexedFlight::flight, &FlightMeasures::highestAltitude>("highest_altitude"),
    column<&IndexedFlight::flight, &FlightMeasures::climbs>("climbs"),
};
constexpr indextable::Table<IndexedFlight> kFlights{"flights", kFlightColumns, "PRIMARY KEY (path, flight)"};

bool execAll(QSqlQuery& q, const QStringList& statements)
{
    for (const QString& statement : statements) {
        if (!q.exec(statement))
            return false;
    }
    return true;
}

QSet<QString> columnsOf(QSqlQuery& q, const QString& table)
{
    QSet<QString> names;
    if (q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        while (q.next())
            names.insert(q.value(1).toString());
    }
    return names;
}

// Versions 1 and 2 kept one table "flights" with a row per file and the measures of its first flight. Its rows
// become the recordings (the columns both have keep their values, the new ones start empty) and its measures the
// first flight of each; every row is then read from its file again, which finds all the flights and the digest.
bool migrateOneTablePerFile(QSqlQuery& q)
{
    const QString old = QStringLiteral("old_recordings");
    if (!q.exec(QStringLiteral("ALTER TABLE flights RENAME TO %1").arg(old)) || !create(q))
        return false;
    const QSet<QString> oldColumns = columnsOf(q, old);
    QStringList shared;
    for (const indextable::Column<ArchivedRecording>& c : kRecordingColumns) {
        if (oldColumns.contains(QLatin1String(c.name)))
            shared << QLatin1String(c.name);
    }
    QStringList steps{
        QStringLiteral("INSERT INTO recordings (%1) SELECT %1 FROM %2").arg(shared.join(QStringLiteral(", ")), old)};
    const QStringList measures{QStringLiteral("launch"), QStringLiteral("duration"), QStringLiteral("start_height"),
                               QStringLiteral("highest_altitude")};
    if (oldColumns.contains(QSet<QString>(measures.begin(), measures.end())))
        steps << QStringLiteral("INSERT INTO flights (path, flight, launch, duration, start_height, highest_altitude)"
                                " SELECT path, 1, launch, duration, start_height, COALESCE(highest_altitude, 0) FROM %1"
                                " WHERE launch IS NOT NULL AND duration IS NOT NULL")
                     .arg(old);
    steps << QStringLiteral("DROP TABLE %1").arg(old) << QStringLiteral("UPDATE recordings SET file_size = -1");
    return execAll(q, steps);
}

} // namespace

const indextable::Table<ArchivedRecording>& recordings()
{
    return kRecordings;
}

const indextable::Table<IndexedFlight>& flights()
{
    return kFlights;
}

bool create(QSqlQuery& q)
{
    return execAll(q, {kRecordings.createStatement(), kFlights.createStatement(),
                       QStringLiteral("CREATE INDEX IF NOT EXISTS recordings_by_download ON recordings (downloaded)"),
                       QStringLiteral("CREATE INDEX IF NOT EXISTS recordings_by_digest ON recordings (digest)")});
}

bool drop(QSqlQuery& q)
{
    return execAll(q,
                   {QStringLiteral("DROP TABLE IF EXISTS flights"), QStringLiteral("DROP TABLE IF EXISTS recordings")});
}

bool check(QSqlQuery& q)
{
    const QString one = QStringLiteral(" LIMIT 1");
    if (!q.exec(kRecordings.selectStatement() + one) || !q.exec(kFlights.selectStatement() + one))
        return false;
    q.finish();
    return true;
}

Migration migrate(QSqlQuery& q, int version)
{
    if (version != 1 && version != 2)
        return Migration::NoWay;
    return migrateOneTablePerFile(q) ? Migration::Done : Migration::Failed;
}

} // namespace vimo::indexschema
