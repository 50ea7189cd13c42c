#pragma once

#include "logbook/FlightRecord.h"

#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace vimo {

// The SQLite index of the archive ("logbook.sqlite" in the archive folder): one row per data set file. The files
// are the truth; the index only makes them quick to list. An index that cannot be opened, is not a database, fails
// its check or has another schema version than this program's is thrown away and made anew, without a question
// and without touching the files. When none can be kept in the archive folder (read-only, full), the index lives in
// memory for this run. WAL mode and a busy time-out let two programs use it at once.
class LogbookIndex {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kBusyTimeoutMs = 10000;
    static constexpr const char* kFileName = "logbook.sqlite";

    // Opens (or makes) the index of the archive folder `root`; call sync() to bring it in line with the files.
    explicit LogbookIndex(const QString& root);
    ~LogbookIndex();
    LogbookIndex(const LogbookIndex&) = delete;
    LogbookIndex& operator=(const LogbookIndex&) = delete;

    // False only when not even an index in memory could be opened.
    bool isOpen() const;
    // True when the index could not be kept in the archive folder and lives in memory.
    bool inMemory() const { return m_inMemory; }
    // The last failure, for messages.
    QString lastError() const { return m_error; }

    // Brings the index in line with the files: rows of files that are gone are removed, new and changed files are
    // read. Returns false when the index could not be written.
    bool sync();
    // Throws every row away and reads every file again.
    bool rebuild();

    // Adds or replaces the row of one file (by its path); the second form writes many rows in one transaction.
    bool put(const FlightRecord& record);
    bool put(const std::vector<FlightRecord>& records);
    bool remove(const QString& path);

    // Every row, newest download first.
    std::vector<FlightRecord> flights();

    // The connection, for models on the thread that made this index.
    QSqlDatabase database() const { return m_db; }
    QString connectionName() const { return m_connection; }

private:
    bool open();
    bool openAt(const QString& fileName);
    bool prepareSchema();
    void discard();
    bool writeRows(const std::vector<QString>& gone, const std::vector<FlightRecord>& fresh, bool everything);

    QString m_root;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_inMemory = false;
    QString m_error;
};

} // namespace vimo
