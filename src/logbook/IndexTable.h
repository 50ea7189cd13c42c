#pragma once

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>

// The tables of the logbook index, each declared once as a list of columns: a column names its SQL column and the
// member of a row it keeps; its SQL type, the value bound and the value read back follow from the member's C++
// type. The statements that create, fill and read a table are made from that list, so adding a column touches
// its one line.
namespace vimo::indextable {

// How a member of each C++ type is kept in SQLite. Every column has a default, so that rows copied from an older
// table that lacks it still fit.
template <class T>
struct Stored;

template <>
struct Stored<QString> {
    static constexpr const char* kType = "TEXT NOT NULL DEFAULT ''";
    // Texts are never NULL in the index: an empty text is stored as "".
    static QVariant value(const QString& v) { return v.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(v); }
    static QString read(const QVariant& v) { return v.toString(); }
};

template <>
struct Stored<int> {
    static constexpr const char* kType = "INTEGER NOT NULL DEFAULT 0";
    static QVariant value(int v) { return v; }
    static int read(const QVariant& v) { return v.toInt(); }
};

template <>
struct Stored<qint64> {
    static constexpr const char* kType = "INTEGER NOT NULL DEFAULT 0";
    static QVariant value(qint64 v) { return v; }
    static qint64 read(const QVariant& v) { return v.toLongLong(); }
};

template <>
struct Stored<bool> {
    static constexpr const char* kType = "INTEGER NOT NULL DEFAULT 0";
    static QVariant value(bool v) { return v ? 1 : 0; }
    static bool read(const QVariant& v) { return v.toInt() != 0; }
};

template <>
struct Stored<double> {
    static constexpr const char* kType = "REAL NOT NULL DEFAULT 0";
    static QVariant value(double v) { return v; }
    static double read(const QVariant& v) { return v.toDouble(); }
};

// An unknown value is NULL.
template <>
struct Stored<std::optional<double>> {
    static constexpr const char* kType = "REAL";
    static QVariant value(const std::optional<double>& v)
    {
        return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
    }
    static std::optional<double> read(const QVariant& v)
    {
        return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
    }
};

// Times are kept in UTC as ISO 8601 text with milliseconds, which also sorts by time.
template <>
struct Stored<QDateTime> {
    static constexpr const char* kType = "TEXT NOT NULL DEFAULT ''";
    static QVariant value(const QDateTime& v) { return v.toUTC().toString(Qt::ISODateWithMs); }
    static QDateTime read(const QVariant& v) { return QDateTime::fromString(v.toString(), Qt::ISODateWithMs).toUTC(); }
};

// One column: its name, its SQL type and constraints, and how a row's member is bound and read.
template <class Row>
struct Column {
    const char* name;
    const char* type;
    const char* constraint; // added after the type ("PRIMARY KEY"), or ""
    QVariant (*value)(const Row&);
    void (*read)(Row&, const QVariant&);
};

template <class T>
struct MemberPointer;
template <class C, class T>
struct MemberPointer<T C::*> {
    using Class = C;
};

// The member reached from `row` through a chain of member pointers (`&Row::flight, &Flight::launch`).
template <auto... Members, class Row>
decltype(auto) memberOf(Row& row)
{
    return (row.*....*Members);
}

// The column that keeps the member reached through `Members`, stored as its type says.
template <auto First, auto... Rest>
constexpr auto column(const char* name, const char* constraint = "")
{
    using Row = typename MemberPointer<decltype(First)>::Class;
    using T = std::remove_cvref_t<decltype(memberOf<First, Rest...>(std::declval<Row&>()))>;
    return Column<Row>{name, Stored<T>::kType, constraint,
                       [](const Row& r) { return Stored<T>::value(memberOf<First, Rest...>(r)); },
                       [](Row& r, const QVariant& v) { memberOf<First, Rest...>(r) = Stored<T>::read(v); }};
}

// A table: its name, its columns, and what follows them in CREATE TABLE (a key over several columns), or "".
template <class Row>
struct Table {
    const char* name;
    std::span<const Column<Row>> columns;
    const char* tail = "";

    // "a, b, c": the column names in their order.
    QString names() const
    {
        QString list;
        for (const Column<Row>& c : columns)
            list += (list.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1String(c.name);
        return list;
    }

    QString createStatement() const
    {
        QString body;
        for (const Column<Row>& c : columns) {
            body += (body.isEmpty() ? QString() : QStringLiteral(", "))
                    + QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.type));
            if (*c.constraint)
                body += QLatin1Char(' ') + QLatin1String(c.constraint);
        }
        if (*tail)
            body += QStringLiteral(", ") + QLatin1String(tail);
        return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(QLatin1String(name), body);
    }

    // Reads every column, in the order read() expects them.
    QString selectStatement() const { return QStringLiteral("SELECT %1 FROM %2").arg(names(), QLatin1String(name)); }

    QString insertStatement() const
    {
        QString marks;
        for (std::size_t i = 0; i < columns.size(); ++i)
            marks += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
        return QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)").arg(QLatin1String(name), names(), marks);
    }

    // Binds a row to the statement made by insertStatement().
    void bind(QSqlQuery& q, const Row& row) const
    {
        for (std::size_t i = 0; i < columns.size(); ++i)
            q.bindValue(int(i), columns[i].value(row));
    }

    // The row at the query's current record, from a statement made by selectStatement().
    Row read(const QSqlQuery& q) const
    {
        Row row;
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i].read(row, q.value(int(i)));
        return row;
    }
};

} // namespace vimo::indextable
