#include "logbook/LogbookIndex.h"

#include "data/NativeName.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/IndexTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <filesystem>
#include <map>

namespace vimo {
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

// One row per data set file.
constexpr indextable::Column<FlightRecord> kFlightColumns[] = {
    pathColumn<&FlightRecord::path>("PRIMARY KEY"),
    column<&FlightRecord::downloaded>("downloaded"),
    column<&FlightRecord::set>("set_number"),
    column<&FlightRecord::deviceName>("device_name"),
    column<&FlightRecord::model>("model"),
    column<&FlightRecord::softwareVersion>("software_version"),
    column<&FlightRecord::samples>("samples"),
    column<&FlightRecord::interval>("interval"),
    column<&FlightRecord::unit>("unit"),
    column<&FlightRecord::triggerCount>("trigger_count"),
    column<&FlightRecord::firstTime>("first_time"),
    column<&FlightRecord::lastTime>("last_time"),
    column<&FlightRecord::firstValue>("first_value"),
    column<&FlightRecord::lastValue>("last_value"),
    column<&FlightRecord::highestValue>("highest_value"),
    column<&FlightRecord::name>("name"),
    column<&FlightRecord::notes>("notes"),
    column<&FlightRecord::incomplete>("incomplete"),
    column<&FlightRecord::measures, &FlightMeasures::launch>("launch"),
    column<&FlightRecord::measures, &FlightMeasures::duration>("duration"),
    column<&FlightRecord::measures, &FlightMeasures::startHeight>("start_height"),
    column<&FlightRecord::measures, &FlightMeasures::highestAltitude>("highest_altitude"),
    column<&FlightRecord::fileSize>("file_size"),
    column<&FlightRecord::fileModified>("file_modified"),
};
constexpr indextable::Table<FlightRecord> kFlights{"flights", kFlightColumns};

// Forward migrations: the statements that take an index of version v to v + 1. A version without a step here is
// not migrated but made anew from the files (which costs only time).
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

// A write transaction that takes the write lock at its start (BEGIN IMMEDIATE), so that a second writer waits
// for the busy time-out instead of failing half way; rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(QSqlDatabase& db) : m_db(db)
    {
        QSqlQuery q(m_db);
        m_open = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_error = q.lastError();
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
        QSqlQuery q(m_db);
        m_open = !q.exec(QStringLiteral("COMMIT"));
        m_error = q.lastError();
        return !m_open;
    }
    // Why BEGIN or COMMIT failed.
    QSqlError error() const { return m_error; }

private:
    QSqlDatabase& m_db;
    bool m_open = false;
    QSqlError m_error;
};

// SQLite's primary result codes that decide what becomes of an index file.
constexpr int kSqliteError = 1; // also: the table is not the one this program reads
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

int primaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isBusy(const QSqlError& error)
{
    return primaryCode(error) == kSqliteBusy || primaryCode(error) == kSqliteLocked;
}

// The error's text, never empty.
QString errorText(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    if (!text.isEmpty())
        return text;
    return error.nativeErrorCode().isEmpty() ? QStringLiteral("unknown error")
                                             : QStringLiteral("error %1").arg(error.nativeErrorCode());
}

bool renameOver(const QString& from, const QString& to)
{
    std::error_code code;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), code);
    return !code;
}

} // namespace

LogbookIndex::LogbookIndex(const QString& root, int busyTimeoutMs)
    : m_root(root), m_busyTimeoutMs(busyTimeoutMs),
      m_connection(QStringLiteral("vimo-logbook-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
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
        OpenResult result = openAt(file);
        if (result == OpenResult::Opened)
            return true;
        discard();
        if (result == OpenResult::Broken && replaceBroken(file)) {
            result = openAt(file);
            if (result == OpenResult::Opened)
                return true;
            discard();
        }
        m_busy = result == OpenResult::Busy;
    } else {
        m_error = QFileInfo(m_root).exists()
                      ? QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(m_root))
                      : QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(m_root));
    }
    return useMemory();
}

LogbookIndex::OpenResult LogbookIndex::failure(const QSqlError& error)
{
    m_error = errorText(error);
    if (isBusy(error)) {
        m_error = QStringLiteral("another program keeps the index busy (%1)").arg(m_error);
        return OpenResult::Busy;
    }
    const int code = primaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase || code == kSqliteError ? OpenResult::Broken
                                                                                         : OpenResult::Failed;
}

LogbookIndex::OpenResult LogbookIndex::openAt(const QString& fileName)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(fileName);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!m_db.open())
        return failure(m_db.lastError());
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.exec(QStringLiteral("PRAGMA quick_check"))
        || !q.next())
        return failure(q.lastError());
    if (q.value(0).toString() != QLatin1String("ok")) {
        m_error = QStringLiteral("the index failed its check: %1").arg(q.value(0).toString());
        return OpenResult::Broken;
    }
    q.finish();
    return prepareSchema();
}

// Creates the table in a new index, migrates an older one forward where a step exists, and makes any other
// version anew (its rows are then read again from the files by sync()). An index of this program's version is
// only read, so that another program writing it meanwhile does not keep it from opening.
LogbookIndex::OpenResult LogbookIndex::prepareSchema()
{
    const QString check = kFlights.selectStatement() + QStringLiteral(" LIMIT 1");
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failure(q.lastError());
    if (q.value(0).toInt() == kSchemaVersion) {
        q.finish();
        return q.exec(check) ? OpenResult::Opened : failure(q.lastError());
    }
    q.finish();
    WriteTransaction t(m_db);
    if (!t.isOpen())
        return failure(t.error());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) // another program may have moved it meanwhile
        return failure(q.lastError());
    int version = q.value(0).toInt();
    while (version > 0 && version < kSchemaVersion) {
        const std::vector<const char*> steps = migrationFrom(version);
        if (steps.empty())
            break;
        for (const char* step : steps) {
            if (!q.exec(QLatin1String(step)))
                return failure(q.lastError());
        }
        ++version;
    }
    if (version != kSchemaVersion && !q.exec(QStringLiteral("DROP TABLE IF EXISTS flights")))
        return failure(q.lastError());
    const bool ok = q.exec(kFlights.createStatement())
                    && q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS flights_by_download ON flights (downloaded)"))
                    && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) && q.exec(check);
    if (!ok)
        return failure(q.lastError());
    q.finish();
    return t.commit() ? OpenResult::Opened : failure(t.error());
}

// Makes a new, empty index in a file beside the broken one and renames it into place. The broken file and its
// -wal and -shm are kept as "logbook.sqlite.broken" (and "-wal", "-shm"): nothing is deleted outright, and a
// stale -wal is never applied to the new index.
bool LogbookIndex::replaceBroken(const QString& fileName)
{
    const QString reason = m_error;
    const QString fresh =
        fileName + QStringLiteral(".new-") + QString::number(QRandomGenerator::global()->generate(), 36);
    const auto removeFresh = [&] {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(fresh + QLatin1String(suffix));
    };
    bool made = openAt(fresh) == OpenResult::Opened;
    // One file without a -wal beside it, so that it can be moved whole.
    made = made && QSqlQuery(m_db).exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    discard();
    const QString broken = fileName + QStringLiteral(".broken");
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString from = fileName + QLatin1String(suffix);
        made = made && (!QFileInfo::exists(from) || renameOver(from, broken + QLatin1String(suffix)));
    }
    made = made && renameOver(fresh, fileName);
    if (!made) {
        removeFresh();
        if (m_error == reason)
            m_error = reason + QStringLiteral("; a new index could not be made beside it");
        return false;
    }
    return true;
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
            indexed.emplace(nativename::fromText(q.value(0).toString()),
                            std::pair(q.value(1).toLongLong(), q.value(2).toLongLong()));
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
    if (writeRows(gone, fresh, false))
        return true;
    // Another program keeps the index busy past the time-out: it is left alone, and this run lists the files from
    // an index in memory.
    return m_busy && useMemory() && rebuild();
}

bool LogbookIndex::useMemory()
{
    const QString reason = m_error;
    discard();
    m_inMemory = true;
    const bool opened = openAt(QStringLiteral(":memory:")) == OpenResult::Opened;
    m_error = reason;
    return opened;
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

bool LogbookIndex::writeRows(const std::vector<QString>& gone, const std::vector<FlightRecord>& fresh, bool everything)
{
    WriteTransaction t(m_db);
    QSqlQuery q(m_db);
    bool ok = t.isOpen();
    if (ok && everything)
        ok = q.exec(QStringLiteral("DELETE FROM flights"));
    if (ok && !gone.empty()) {
        ok = q.prepare(QStringLiteral("DELETE FROM flights WHERE path = ?"));
        for (std::size_t i = 0; ok && i < gone.size(); ++i) {
            q.bindValue(0, nativename::toText(gone[i]));
            ok = q.exec();
        }
    }
    if (ok && !fresh.empty()) {
        ok = q.prepare(kFlights.insertStatement());
        for (std::size_t i = 0; ok && i < fresh.size(); ++i) {
            kFlights.bind(q, fresh[i]);
            ok = q.exec();
        }
    }
    if (!t.isOpen() || (ok && !t.commit())) {
        failure(t.error());
        m_busy = m_busy || (!m_inMemory && isBusy(t.error()));
        return false;
    }
    if (!ok) {
        failure(q.lastError());
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
    if (!q.exec(kFlights.selectStatement() + QStringLiteral(" ORDER BY downloaded DESC, path DESC"))) {
        m_error = q.lastError().text();
        return rows;
    }
    while (q.next())
        rows.push_back(kFlights.read(q));
    return rows;
}

} // namespace vimo
