#pragma once

#include "logbook/ArchivedRecording.h"
#include "logbook/IndexTable.h"

class QSqlQuery;

// The tables of the logbook index: "recordings", one row per data set file, and "flights", one row per flight found
// in a file. Their columns are declared once, in IndexSchema.cpp.
namespace vimo::indexschema {

// PRAGMA user_version of an index made by this program.
inline constexpr int kVersion = 3;

// A flight as the index keeps it: the path of its recording beside its measures.
struct IndexedFlight {
    QString path;
    FlightMeasures flight;
};

const indextable::Table<ArchivedRecording>& recordings();
const indextable::Table<IndexedFlight>& flights();

// Makes the tables and their indexes where they are missing.
bool create(QSqlQuery& q);

// Throws both tables away (and the one table of the versions before 3).
bool drop(QSqlQuery& q);

// Reads one row of each table with every column this program reads: fails when a table is not the one it expects.
bool check(QSqlQuery& q);

// How taking an older index forward ended.
enum class Migration { Done, NoWay, Failed };

// Takes the tables of an index of `version` forward to kVersion, keeping every row; each row is marked to be read
// from its file again by the next sync. NoWay when that version has no way forward (the index is then made anew
// from the files); Failed with the reason in q.lastError().
Migration migrate(QSqlQuery& q, int version);

} // namespace vimo::indexschema
