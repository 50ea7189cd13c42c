#include "logbook/LogbookIndex.h"

#include "data/NativeName.h"
#include "logbook/ArchiveFiles.h"
#include "logbook/IndexSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <filesystem>
#include <map>

namespace vimo {
namespace {

namespace schema = indexschema;
using indexschema::IndexedFlight;

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

// Creates the tables in a new index, migrates an older one forward where a way exists, and makes any other
// version anew (its rows are then read again from the files by sync()). An index of this program's version is
// only read, so that another program writing it meanwhile does not keep it from opening.
LogbookIndex::OpenResult LogbookIndex::prepareSchema()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failure(q.lastError());
    if (q.value(0).toInt() == kSchemaVersion) {
        q.finish();
        return schema::check(q) ? OpenResult::Opened : failure(q.lastError());
    }
    q.finish();
    WriteTransaction t(m_db);
    if (!t.isOpen())
        return failure(t.error());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) // another program may have moved it meanwhile
        return failure(q.lastError());
    const int version = q.value(0).toInt();
    q.finish();
    if (version != kSchemaVersion) {
        const schema::Migration migration = schema::migrate(q, version);
        if (migration == schema::Migration::Failed)
            return failure(q.lastError());
        if (migration == schema::Migration::NoWay && !schema::drop(q))
            return failure(q.lastError());
    }
    if (!schema::create(q) || !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))
        || !schema::check(q))
        return failure(q.lastError());
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
        if (!q.exec(QStringLiteral("SELECT path, file_size, file_modified FROM recordings"))) {
            m_error = q.lastError().text();
            return false;
        }
        while (q.next())
            indexed.emplace(nativename::fromText(q.value(0).toString()),
                            std::pair(q.value(1).toLongLong(), q.value(2).toLongLong()));
    }
    std::vector<ArchivedRecording> fresh;
    for (const archivefiles::FoundFile& file : archivefiles::scan(m_root)) {
        const auto it = indexed.find(file.path);
        const bool same = it != indexed.end() && it->second == std::pair(file.size, file.modified);
        if (it != indexed.end())
            indexed.erase(it);
        if (same)
            continue;
        if (std::optional<ArchivedRecording> record = archivefiles::readRecording(m_root, file))
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
    std::vector<ArchivedRecording> all;
    for (const archivefiles::FoundFile& file : archivefiles::scan(m_root)) {
        if (std::optional<ArchivedRecording> record = archivefiles::readRecording(m_root, file))
            all.push_back(std::move(*record));
    }
    return writeRows({}, all, true);
}

namespace {

// The statements that replace the rows of recordings, each prepared once for a whole batch.
class RowWriter {
public:
    explicit RowWriter(const QSqlDatabase& db)
        : m_dropRecording(db), m_dropFlights(db), m_putRecording(db), m_putFlight(db)
    {
        m_ok = m_dropRecording.prepare(QStringLiteral("DELETE FROM recordings WHERE path = ?"))
               && m_dropFlights.prepare(QStringLiteral("DELETE FROM flights WHERE path = ?"))
               && m_putRecording.prepare(schema::recordings().insertStatement())
               && m_putFlight.prepare(schema::flights().insertStatement());
        m_failed = &m_dropRecording;
    }

    // Removes the rows of the file at `path` (relative to the archive).
    bool remove(const QString& path)
    {
        const QString text = nativename::toText(path);
        return exec(m_dropRecording, text) && exec(m_dropFlights, text);
    }

    // Adds or replaces the rows of one recording and its flights.
    bool put(const ArchivedRecording& r)
    {
        if (!exec(m_dropFlights, nativename::toText(r.path)))
            return false;
        schema::recordings().bind(m_putRecording, r);
        if (!run(m_putRecording))
            return false;
        for (const FlightMeasures& f : r.flights) {
            schema::flights().bind(m_putFlight, IndexedFlight{r.path, f});
            if (!run(m_putFlight))
                return false;
        }
        return true;
    }

    bool prepared() const { return m_ok; }
    // Why the last statement failed.
    QSqlError error() const { return m_failed->lastError(); }

private:
    bool exec(QSqlQuery& q, const QString& path)
    {
        q.bindValue(0, path);
        return run(q);
    }
    bool run(QSqlQuery& q)
    {
        m_failed = &q;
        return q.exec();
    }

    QSqlQuery m_dropRecording;
    QSqlQuery m_dropFlights;
    QSqlQuery m_putRecording;
    QSqlQuery m_putFlight;
    QSqlQuery* m_failed;
    bool m_ok = false;
};

} // namespace

bool LogbookIndex::writeRows(const std::vector<QString>& gone, const std::vector<ArchivedRecording>& fresh,
                             bool everything)
{
    WriteTransaction t(m_db);
    QSqlQuery q(m_db);
    bool ok = t.isOpen();
    QSqlError error;
    if (ok && everything) {
        ok = q.exec(QStringLiteral("DELETE FROM recordings")) && q.exec(QStringLiteral("DELETE FROM flights"));
        error = q.lastError();
    }
    if (ok) {
        RowWriter writer(m_db);
        ok = writer.prepared();
        for (std::size_t i = 0; ok && i < gone.size(); ++i)
            ok = writer.remove(gone[i]);
        for (std::size_t i = 0; ok && i < fresh.size(); ++i)
            ok = writer.put(fresh[i]);
        if (!ok)
            error = writer.error();
    }
    if (!t.isOpen() || (ok && !t.commit())) {
        failure(t.error());
        m_busy = m_busy || (!m_inMemory && isBusy(t.error()));
        return false;
    }
    if (!ok) {
        failure(error);
        return false;
    }
    return true;
}

bool LogbookIndex::put(const ArchivedRecording& record)
{
    return writeRows({}, {record}, false);
}

bool LogbookIndex::put(const std::vector<ArchivedRecording>& records)
{
    return writeRows({}, records, false);
}

bool LogbookIndex::remove(const QString& path)
{
    return writeRows({path}, {}, false);
}

std::vector<ArchivedRecording> LogbookIndex::readRecordings(const QString& where, const QVariantList& values)
{
    std::vector<ArchivedRecording> rows;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    const bool ok = q.prepare(schema::recordings().selectStatement() + where
                              + QStringLiteral(" ORDER BY downloaded DESC, path DESC"));
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(int(i), values[i]);
    if (!ok || !q.exec()) {
        m_error = q.lastError().text();
        return rows;
    }
    while (q.next())
        rows.push_back(schema::recordings().read(q));
    return rows;
}

std::vector<ArchivedRecording> LogbookIndex::recordings()
{
    std::vector<ArchivedRecording> rows = readRecordings(QString(), {});
    // The flights of each recording, in the order they were flown, from one more query.
    QHash<QString, std::size_t> byPath;
    byPath.reserve(qsizetype(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        byPath.insert(rows[i].path, i);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(schema::flights().selectStatement() + QStringLiteral(" ORDER BY path, flight"))) {
        m_error = q.lastError().text();
        return rows;
    }
    while (q.next()) {
        IndexedFlight f = schema::flights().read(q);
        const auto it = byPath.constFind(f.path);
        if (it != byPath.constEnd())
            rows[*it].flights.push_back(f.flight);
    }
    return rows;
}

std::vector<ArchivedRecording> LogbookIndex::recordingsWithDigest(const QString& digest)
{
    return readRecordings(QStringLiteral(" WHERE digest = ?"), {digest});
}

bool LogbookIndex::setAirframe(const QString& path, const QString& airframe)
{
    WriteTransaction t(m_db);
    QSqlQuery q(m_db);
    const bool ok = t.isOpen() && q.prepare(QStringLiteral("UPDATE recordings SET airframe = ? WHERE path = ?"));
    q.bindValue(0, indextable::Stored<QString>::value(airframe));
    q.bindValue(1, nativename::toText(path));
    if (!ok || !q.exec()) {
        failure(t.isOpen() ? q.lastError() : t.error());
        return false;
    }
    if (!t.commit()) {
        failure(t.error());
        return false;
    }
    return true;
}

QStringList LogbookIndex::airframes()
{
    QStringList names;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT DISTINCT airframe FROM recordings WHERE airframe <> ''"))) {
        m_error = q.lastError().text();
        return names;
    }
    while (q.next())
        names << q.value(0).toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace vimo
