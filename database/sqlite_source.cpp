// Tables from an SQLite database: a file of the user's, or the bundled demo data script.
#include "database/sources.h"

#include <sqlite3.h>

namespace reference::detail {

namespace {

// The affinity of a declared column type, by SQLite's own rules; the workspace copy keeps
// the affinity and drops whatever else the declaration said.
QString affinityOf(const QString& declared) {
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("INT"))) return QStringLiteral("INTEGER");
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) ||
        t.contains(QLatin1String("TEXT")))
        return QStringLiteral("TEXT");
    if (t.isEmpty() || t.contains(QLatin1String("BLOB"))) return QStringLiteral("BLOB");
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
        t.contains(QLatin1String("DOUB")))
        return QStringLiteral("REAL");
    return QStringLiteral("NUMERIC");
}

class SqliteSource : public TableSource {
public:
    SqliteSource(sqlite3* db, QString name) : m_db(db), m_name(std::move(name)) {}
    ~SqliteSource() override { sqlite3_close_v2(m_db); }

    Result loadTable(const QString& name, Table* out, QString* error) override {
        QString stored;
        // Stored tables only: a view computes its rows, and a damaged or hostile one can
        // compute them without end.
        const QVariantList found =
            firstRow("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                     "name = ?1 COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'",
                     name, error);
        if (!error->isEmpty()) return Result::Failed;
        if (found.isEmpty()) return Result::NoSuchTable;
        stored = found.first().toString();

        out->name = stored;
        out->columns.clear();
        out->rows.clear();
        const QString q = quotedIdentifier(stored);
        if (!each(QStringLiteral("PRAGMA table_info(%1)").arg(q), [&](sqlite3_stmt* st) {
                out->columns << Column{columnValue(st, 1).toString(),
                                       affinityOf(columnValue(st, 2).toString())};
            }))
            return failed(error);
        const int n = static_cast<int>(out->columns.size());
        if (!each(QStringLiteral("SELECT * FROM %1").arg(q), [&](sqlite3_stmt* st) {
                QVariantList row;
                row.reserve(n);
                for (int i = 0; i < n; ++i)
                    row << columnValue(st, i);
                out->rows << row;
            }))
            return failed(error);
        return Result::Ok;
    }

    // Runs a statement and calls `row` for each row. False on error (see lastError()).
    template <typename F> bool each(const QString& sql, F&& row) {
        sqlite3_stmt* st = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), -1, &st, nullptr) != SQLITE_OK) return false;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            row(st);
        sqlite3_finalize(st);
        return rc == SQLITE_DONE;
    }

    Result failed(QString* error) const {
        *error = QStringLiteral("The database %1 cannot be read: %2.")
                     .arg(m_name, QString::fromUtf8(sqlite3_errmsg(m_db)));
        return Result::Failed;
    }

private:
    QVariantList firstRow(const char* sql, const QString& param, QString* error) {
        error->clear();
        sqlite3_stmt* st = nullptr;
        QVariantList out;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK) {
            failed(error);
            return out;
        }
        bindValue(st, 1, param);
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_ROW)
            out << columnValue(st, 0);
        else if (rc != SQLITE_DONE)
            failed(error);
        sqlite3_finalize(st);
        return out;
    }

    sqlite3* m_db;
    QString m_name;
};

} // namespace

std::unique_ptr<TableSource> openSqliteFile(const QString& path, QString* error) {
    const QString shown = displayPath(path);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        *error = QStringLiteral("The database file %1 cannot be opened: %2.")
                     .arg(shown, QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    auto source = std::make_unique<SqliteSource>(db, shown);
    // Reading the schema tells a damaged or locked file at once.
    if (!source->each(QStringLiteral("SELECT count(*) FROM sqlite_master"), [](sqlite3_stmt*) {})) {
        source->failed(error);
        return nullptr;
    }
    return source;
}

std::unique_ptr<TableSource> openSqlScript(const QByteArray& script, const QString& displayName,
                                           QString* error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        *error =
            QStringLiteral("The database %1 cannot be opened: out of memory.").arg(displayName);
        sqlite3_close_v2(db);
        return nullptr;
    }
    char* message = nullptr;
    if (sqlite3_exec(db, script.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        *error = QStringLiteral("The database %1 is damaged: %2.")
                     .arg(displayName, QString::fromUtf8(message ? message : "unknown error"));
        sqlite3_free(message);
        sqlite3_close_v2(db);
        return nullptr;
    }
    return std::make_unique<SqliteSource>(db, displayName);
}

} // namespace reference::detail
