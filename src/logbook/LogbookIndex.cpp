#include "logbook/LogbookIndex.h"

#include "logbook/ArchiveFiles.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <map>

namespace vimo {
namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS flights ("
    " path TEXT PRIMARY KEY NOT NULL,"
    " downloaded TEXT NOT NULL,"
    " set_number INTEGER NOT NULL,"
    " device_name TEXT NOT NULL,"
    " model TEXT NOT NULL,"
    " software_version TEXT NOT NULL,"
    " samples INTEGER NOT NULL,"
    " interval REAL,"
    " unit TEXT NOT NULL,"
    " trigger_count INTEGER NOT NULL,"
    " first_time REAL,"
    " last_time REAL,"
    " first_value REAL,"
    " last_value REAL,"
    " highest_value REAL,"
    " name TEXT NOT NULL,"
    " notes TEXT NOT NULL,"
    " incomplete INTEGER NOT NULL,"
    " launch REAL,"
    " duration REAL,"
    " start_height REAL,"
    " highest_altitude REAL,"
    " file_size INTEGER NOT NULL,"
    " file_modified INTEGER NOT NULL)";

constexpr const char* kColumns =
    "path, downloaded, set_number, device_name, model, software_version, samples, interval, unit, trigger_count,"
    " first_time, last_time, first_value, last_value, highest_value, name, notes, incomplete,"
    " launch, duration, start_height, highest_altitude, file_size, file_modified";
constexpr int kColumnCount = 24;

// Forward migrations: the statements that take an index of version v to v + 1. A version without a step here is
// not migrated but made anew from the files (which costs only time).
// The steps from one schema version to the next; none means the index is made anew.
std::vector<const char*> migrationFrom(int version)
{
    switch (version) {
    case 1:
        // Version 1 rows carry no flight measures: a file stamp that matches no file makes sync() read every file
        // again, which fills them.
        return {"UPDATE flights SET file_size = -1"};
    default:
        return {};
    }
}

QVariant optional(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

std::optional<double> optionalOf(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

// Texts are never NULL in the index: an empty text is stored as "".
QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

void bindRecord(QSqlQuery& q, const FlightRecord& r)
{
    const QVariant values[kColumnCount] = {
        r.path,
        r.downloaded.toUTC().toString(Qt::ISODateWithMs),
        r.set,
        text(r.deviceName),
        text(r.model),
        text(r.softwareVersion),
        r.samples,
        optional(r.interval),
        text(r.unit),
        r.triggerCount,
        optional(r.firstTime),
        optional(r.lastTime),
        optional(r.firstValue),
        optional(r.lastValue),
        optional(r.highestValue),
        text(r.name),
        text(r.notes),
        r.incomplete ? 1 : 0,
        optional(r.measures.launch),
        optional(r.measures.duration),
        optional(r.measures.startHeight),
        optional(r.measures.highestAltitude),
        r.fileSize,
        r.fileModified,
    };
    for (int i = 0; i < kColumnCount; ++i)
        q.bindValue(i, values[i]);
}

FlightRecord recordOf(const QSqlQuery& q)
{
    FlightRecord r;
    r.path = q.value(0).toString();
    r.downloaded = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs).toUTC();
    r.set = q.value(2).toInt();
    r.deviceName = q.value(3).toString();
    r.model = q.value(4).toString();
    r.softwareVersion = q.value(5).toString();
    r.samples = q.value(6).toInt();
    r.interval = optionalOf(q.value(7));
    r.unit = q.value(8).toString();
    r.triggerCount = q.value(9).toInt();
    r.firstTime = optionalOf(q.value(10));
    r.lastTime = optionalOf(q.value(11));
    r.firstValue = optionalOf(q.value(12));
    r.lastValue = optionalOf(q.value(13));
    r.highestValue = optionalOf(q.value(14));
    r.name = q.value(15).toString();
    r.notes = q.value(16).toString();
    r.incomplete = q.value(17).toInt() != 0;
    r.measures.launch = optionalOf(q.value(18));
    r.measures.duration = optionalOf(q.value(19));
    r.measures.startHeight = optionalOf(q.value(20));
    r.measures.highestAltitude = optionalOf(q.value(21));
    r.fileSize = q.value(22).toLongLong();
    r.fileModified = q.value(23).toLongLong();
    return r;
}

QString insertStatement()
{
    QString marks;
    for (int i = 0; i < kColumnCount; ++i)
        marks += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
    return QStringLiteral("INSERT OR REPLACE INTO flights (%1) VALUES (%2)").arg(QLatin1String(kColumns), marks);
}

// A write transaction that takes the write lock at its start (BEGIN IMMEDIATE), so that a second writer waits
// for the busy time-out instead of failing half way; rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(QSqlDatabase& db) : m_db(db)
    {
        m_open = QSqlQuery(m_db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~WriteTransaction()
    {
        if (m_open)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool isOpen() const { return m_open; }
    bool commit()
    {
        m_open = !QSqlQuery(m_db).exec(QStringLiteral("COMMIT"));
        return !m_open;
    }

private:
    QSqlDatabase& m_db;
    bool m_open = false;
};

} // namespace

LogbookIndex::LogbookIndex(const QString& root)
    : m_root(root), m_connection(QStringLiteral("vimo-logbook-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    open();
}

LogbookIndex::~LogbookIndex()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool LogbookIndex::isOpen() const
{
    return m_db.isOpen();
}

bool LogbookIndex::open()
{
    const QString file = QDir(m_root).filePath(QLatin1String(kFileName));
    if (QDir().mkpath(m_root)) {
        if (openAt(file))
            return true;
        // Not a database, failed its check or could not be set up: made anew from the files.
        discard();
        QFile::remove(file);
        QFile::remove(file + QLatin1String("-wal"));
        QFile::remove(file + QLatin1String("-shm"));
        if (openAt(file))
            return true;
        discard();
    }
    m_inMemory = true;
    return openAt(QStringLiteral(":memory:"));
}

bool LogbookIndex::openAt(const QString& fileName)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(fileName);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open()) {
        m_error = m_db.lastError().text();
        return false;
    }
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.exec(QStringLiteral("PRAGMA quick_check"))
        || !q.next() || q.value(0).toString() != QLatin1String("ok")) {
        m_error = q.lastError().text();
        return false;
    }
    return prepareSchema();
}

// Creates the table in a new index, migrates an older one forward where a step exists, and makes any other
// version anew (its rows are then read again from the files by sync()).
bool LogbookIndex::prepareSchema()
{
    WriteTransaction t(m_db);
    QSqlQuery q(m_db);
    if (!t.isOpen() || !q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        m_error = q.lastError().text();
        return false;
    }
    int version = q.value(0).toInt();
    while (version > 0 && version < kSchemaVersion) {
        const std::vector<const char*> steps = migrationFrom(version);
        if (steps.empty())
            break;
        for (const char* step : steps) {
            if (!q.exec(QLatin1String(step))) {
                m_error = q.lastError().text();
                return false;
            }
        }
        ++version;
    }
    if (version != kSchemaVersion && !q.exec(QStringLiteral("DROP TABLE IF EXISTS flights"))) {
        m_error = q.lastError().text();
        return false;
    }
    const bool ok = q.exec(QLatin1String(kCreateTable))
                    && q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS flights_by_download ON flights (downloaded)"))
                    && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))
                    && q.exec(QStringLiteral("SELECT %1 FROM flights LIMIT 1").arg(QLatin1String(kColumns)));
    if (!ok) {
        m_error = q.lastError().text();
        return false;
    }
    q.finish();
    return t.commit();
}

void LogbookIndex::discard()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool LogbookIndex::sync()
{
    if (!isOpen())
        return false;
    std::map<QString, std::pair<qint64, qint64>> indexed;
    {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT path, file_size, file_modified FROM flights"))) {
            m_error = q.lastError().text();
            return false;
        }
        while (q.next())
            indexed.emplace(q.value(0).toString(), std::pair(q.value(1).toLongLong(), q.value(2).toLongLong()));
    }
    std::vector<FlightRecord> fresh;
    for (const archivefiles::FoundFile& file : archivefiles::scan(m_root)) {
        const auto it = indexed.find(file.path);
        const bool same = it != indexed.end() && it->second == std::pair(file.size, file.modified);
        if (it != indexed.end())
            indexed.erase(it);
        if (same)
            continue;
        if (std::optional<FlightRecord> record = archivefiles::readFlight(m_root, file))
            fresh.push_back(std::move(*record));
    }
    std::vector<QString> gone;
    for (const auto& [path, stamps] : indexed)
        gone.push_back(path);
    if (gone.empty() && fresh.empty())
        return true;
    return writeRows(gone, fresh, false);
}

bool LogbookIndex::rebuild()
{
    if (!isOpen())
        return false;
    std::vector<FlightRecord> all;
    for (const archivefiles::FoundFile& file : archivefiles::scan(m_root)) {
        if (std::optional<FlightRecord> record = archivefiles::readFlight(m_root, file))
            all.push_back(std::move(*record));
    }
    return writeRows({}, all, true);
}

bool LogbookIndex::writeRows(const std::vector<QString>& gone, const std::vector<FlightRecord>& fresh,
                             bool everything)
{
    WriteTransaction t(m_db);
    QSqlQuery q(m_db);
    bool ok = t.isOpen();
    if (ok && everything)
        ok = q.exec(QStringLiteral("DELETE FROM flights"));
    if (ok && !gone.empty()) {
        ok = q.prepare(QStringLiteral("DELETE FROM flights WHERE path = ?"));
        for (std::size_t i = 0; ok && i < gone.size(); ++i) {
            q.bindValue(0, gone[i]);
            ok = q.exec();
        }
    }
    if (ok && !fresh.empty()) {
        ok = q.prepare(insertStatement());
        for (std::size_t i = 0; ok && i < fresh.size(); ++i) {
            bindRecord(q, fresh[i]);
            ok = q.exec();
        }
    }
    if (!ok || !t.commit()) {
        m_error = ok ? m_db.lastError().text() : q.lastError().text();
        return false;
    }
    return true;
}

bool LogbookIndex::put(const FlightRecord& record)
{
    return writeRows({}, {record}, false);
}

bool LogbookIndex::put(const std::vector<FlightRecord>& records)
{
    return writeRows({}, records, false);
}

bool LogbookIndex::remove(const QString& path)
{
    return writeRows({path}, {}, false);
}

std::vector<FlightRecord> LogbookIndex::flights()
{
    std::vector<FlightRecord> rows;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM flights ORDER BY downloaded DESC, path DESC").arg(QLatin1String(kColumns)))) {
        m_error = q.lastError().text();
        return rows;
    }
    while (q.next())
        rows.push_back(recordOf(q));
    return rows;
}

} // namespace vimo
