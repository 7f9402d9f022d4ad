#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace reference {

// The one way the program reads its reference databases, shaped like the DAO calls the
// windows were written against: open a database, create a result set from SQL text,
// walk it with MoveNext until EOF, read fields by name, close.
//
// A database file is either a real Access (.mdb, Jet3/Jet4) file or an SQLite file, told
// apart by its content. When the user's data folder lacks the file, the program's bundled
// demo data serve instead (the SQL script ":/bundled/<relative path>.sql").
//
// Queries run on SQLite, on an in-memory copy of the tables they name, so the program's
// SQL runs unchanged ([codigo] quoting included). Text compares and sorts as Access does:
// without regard to case, accented letters next to their base letter. An Access file's
// password is checked against its header when it is opened; its tables are read by the
// helper program terrasond-mdb in a separate process, so that a damaged file can neither
// hang nor crash the program. Result sets are read whole: RecordCount is exact.

class Recordset {
public:
    virtual ~Recordset() = default;
    virtual int RecordCount() const = 0;
    virtual bool atEOF() const = 0;
    virtual void MoveNext() = 0;
    // Field of the current record by name; a database Null reads as an invalid QVariant.
    virtual QVariant field(const QString& name) const = 0;
    // Field as text, Null as the empty text.
    QString text(const QString& name) const {
        const QVariant v = field(name);
        return v.isNull() ? QString() : v.toString();
    }
    bool isNull(const QString& name) const { return field(name).isNull(); }
    // Whether the result set has a field of that name (names compare case-insensitively,
    // as Access field names do).
    virtual bool hasField(const QString& name) const {
        (void)name;
        return true;
    }
};

class Database {
public:
    virtual ~Database() = default;

    // Opens the database at `relativePath` below the root folder (for example
    // "orvanedemo/terrasond/db1.mdb") with the database password. Returns nullptr and
    // sets `error` (a message naming the file and the problem, fit for the user) when
    // the file is missing and nothing is bundled, damaged, or protected with another
    // password.
    static std::unique_ptr<Database> OpenDatabase(const QString& relativePath,
                                                  const QString& password, QString* error);

    // Runs a SELECT. `?` placeholders are bound in order to `params` (never paste values
    // into the SQL text). Returns nullptr and sets `error` for a missing table or field
    // or a damaged file.
    virtual std::unique_ptr<Recordset> CreateDynaset(const QString& sql, const QVariantList& params,
                                                     QString* error) = 0;
    std::unique_ptr<Recordset> CreateDynaset(const QString& sql, QString* error) {
        return CreateDynaset(sql, {}, error);
    }
    virtual void Close() = 0;
};

// Where the Access reader helper (terrasond-mdb) lives. By default it is looked for next to
// the program; tests point to their build's copy. An empty path restores the default.
void setMdbHelperPath(const QString& path);
QString mdbHelperPath();

// The password of the program's databases.
inline constexpr const char* kDatabasePassword = "owl4827";

} // namespace reference
