#pragma once

#include "logbook/ArchivedRecording.h"
#include "logbook/IndexSchema.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace vimo {

// The SQLite index of the archive ("logbook.sqlite" in the archive folder): one row per data set file and one per
// flight found in it (see IndexSchema). The files are the truth; the index only makes them quick to list. An index that another program is writing is waited for
// (the busy time-out) and, when it stays busy, left alone: this run keeps its index in memory. Only an index that
// is broken (not a database, fails its check, no readable table) is made anew: in a new file that is renamed into
// place, the broken one kept beside it as "logbook.sqlite.broken". Another schema version than this program's is
// migrated or made anew inside the file. When no index can be kept in the archive folder (read-only, full), the
// index lives in memory for this run. WAL mode and a busy time-out let two programs use it at once.
class LogbookIndex {
public:
    static constexpr int kSchemaVersion = indexschema::kVersion;
    static constexpr int kBusyTimeoutMs = 10000;
    static constexpr const char* kFileName = "logbook.sqlite";

    // Opens (or makes) the index of the archive folder `root`; call sync() to bring it in line with the files.
    // Another program's write transaction is waited for up to `busyTimeoutMs`.
    explicit LogbookIndex(const QString& root, int busyTimeoutMs = kBusyTimeoutMs);
    ~LogbookIndex();
    LogbookIndex(const LogbookIndex&) = delete;
    LogbookIndex& operator=(const LogbookIndex&) = delete;

    // False only when not even an index in memory could be opened.
    bool isOpen() const;
    // True when the index could not be kept in the archive folder and lives in memory.
    bool inMemory() const { return m_inMemory; }
    // True when the index file was left alone because another program kept writing it past the busy time-out.
    bool busy() const { return m_busy; }
    // The last failure, for messages.
    QString lastError() const { return m_error; }

    // Brings the index in line with the files: rows of files that are gone are removed, new and changed files are
    // read. Returns false when the index could not be written.
    bool sync();
    // Throws every row away and reads every file again.
    bool rebuild();

    // Adds or replaces the rows of one file (by its path) and its flights; the second form writes many files in one
    // transaction.
    bool put(const ArchivedRecording& record);
    bool put(const std::vector<ArchivedRecording>& records);
    bool remove(const QString& path);

    // Every recording with its flights, newest download first.
    std::vector<ArchivedRecording> recordings();

    // The recordings whose samples have this digest (without their flights), newest download first.
    std::vector<ArchivedRecording> recordingsWithDigest(const QString& digest);

    // Sets the model aircraft of the recording at `path` in the index alone (the facts file is the caller's).
    bool setAirframe(const QString& path, const QString& airframe);

    // The model names in use, sorted without regard to case.
    QStringList airframes();

    // The connection, for models on the thread that made this index.
    QSqlDatabase database() const { return m_db; }
    QString connectionName() const { return m_connection; }

private:
    // How opening an index file ended.
    enum class OpenResult { Opened, Busy, Broken, Failed };

    bool open();
    OpenResult openAt(const QString& fileName);
    OpenResult prepareSchema();
    OpenResult failure(const QSqlError& error);
    bool replaceBroken(const QString& fileName);
    // Goes on with an index in memory, keeping the reason the file could not be used.
    bool useMemory();
    void discard();
    std::vector<ArchivedRecording> readRecordings(const QString& where, const QVariantList& values);
    bool writeRows(const std::vector<QString>& gone, const std::vector<ArchivedRecording>& fresh, bool everything);

    QString m_root;
    int m_busyTimeoutMs;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_inMemory = false;
    bool m_busy = false;
    QString m_error;
};

} // namespace vimo
