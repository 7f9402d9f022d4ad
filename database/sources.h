#pragma once

// Internal to the database access path: where the tables of a database come from.
//
// Every query runs on an in-memory SQLite workspace. The tables a query names are copied
// into it on first use from the database's source: a real Access file (read by the helper
// process), an SQLite file, or the bundled demo data (an SQL script compiled into the
// program). The workspace gives every column the program's text collation, so text
// compares and sorts the same way whatever the source.

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3_stmt;

namespace reference::detail {

struct Column {
    QString name;
    QString declaredType; // SQLite declared type: "TEXT", "INTEGER", "REAL", "BLOB" or ""
};

struct Table {
    QString name;
    QList<Column> columns;
    QList<QVariantList> rows; // in the source's storage order; Null is an invalid QVariant
};

class TableSource {
public:
    virtual ~TableSource() = default;
    enum class Result { Ok, NoSuchTable, Failed };
    // Reads a whole table (name compared case-insensitively). On Failed, `error` says why;
    // it is a complete sentence naming the file.
    virtual Result loadTable(const QString& name, Table* out, QString* error) = 0;
};

// A read-only SQLite database file. Returns nullptr and sets `error` when it cannot be used.
std::unique_ptr<TableSource> openSqliteFile(const QString& path, QString* error);
// An SQL script (CREATE TABLE and INSERT statements, UTF-8) run into a private in-memory
// database. `displayName` names it in messages.
std::unique_ptr<TableSource> openSqlScript(const QByteArray& script, const QString& displayName,
                                           QString* error);
// A real Access file whose page 0 has been checked. Tables are read by the helper process.
std::unique_ptr<TableSource> openAccessFile(const QString& path, const QString& password);
// How long the helper may take to read one table before the file counts as damaged.
void setAccessTimeoutMs(int ms);

// The collation given to every workspace column: case-insensitive, accents sorting next to
// their base letter (e < é < f) but not equal to it, as Access compares and sorts text.
int accessCompare(const QString& a, const QString& b);

// SQLite helpers shared by the workspace and the SQLite sources.
QString quotedIdentifier(const QString& identifier);
QVariant columnValue(sqlite3_stmt* st, int column);
bool bindValue(sqlite3_stmt* st, int index, const QVariant& value);

// The user-facing name of a file in messages.
QString displayPath(const QString& path);

} // namespace reference::detail
