#include "database/database.h"

#include "database/jet_header.h"
#include "database/sources.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace reference {

namespace detail {

QString displayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

namespace {

// Sort key of a text: accents removed, case folded.
QString baseLetters(const QString& s) {
    const QString decomposed = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!c.isMark()) out.append(c);
    return out.toCaseFolded();
}

} // namespace

int accessCompare(const QString& a, const QString& b) {
    const int primary = baseLetters(a).compare(baseLetters(b));
    if (primary != 0) return primary;
    return a.normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .compare(b.normalized(QString::NormalizationForm_C).toCaseFolded());
}

QString quotedIdentifier(const QString& identifier) {
    QString s = identifier;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QVariant columnValue(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(st, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                          sqlite3_column_bytes(st, i)));
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(st, i);
        return QVariant(QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(st, i)));
    }
    default:
        return QVariant();
    }
}

bool bindValue(sqlite3_stmt* st, int index, const QVariant& v) {
    if (!v.isValid() || v.isNull()) return sqlite3_bind_null(st, index) == SQLITE_OK;
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return sqlite3_bind_int64(st, index, v.toLongLong()) == SQLITE_OK;
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(st, index, v.toDouble()) == SQLITE_OK;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return sqlite3_bind_blob64(st, index, b.constData(), static_cast<sqlite3_uint64>(b.size()),
                                   SQLITE_TRANSIENT) == SQLITE_OK;
    }
    default: {
        const QByteArray u = v.toString().toUtf8();
        return sqlite3_bind_text64(st, index, u.constData(), static_cast<sqlite3_uint64>(u.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8) == SQLITE_OK;
    }
    }
}

} // namespace detail

namespace {

using detail::bindValue;
using detail::columnValue;
using detail::Table;
using detail::TableSource;
const auto quoted = detail::quotedIdentifier;

constexpr const char* kCollation = "ACCESS";

bool isAscii(const unsigned char* s, int n) {
    for (int i = 0; i < n; ++i)
        if (s[i] >= 0x80) return false;
    return true;
}

int collate(void*, int n1, const void* s1, int n2, const void* s2) {
    const auto* a = static_cast<const unsigned char*>(s1);
    const auto* b = static_cast<const unsigned char*>(s2);
    // Plain ASCII texts (nearly every key) compare as their case-folded bytes, which is
    // what accessCompare gives for them, without its normalising and allocating: sorting
    // a large table stays a matter of cheap comparisons.
    if (isAscii(a, n1) && isAscii(b, n2)) {
        auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        for (int i = 0; i < n1 && i < n2; ++i) {
            const int ca = fold(a[i]);
            const int cb = fold(b[i]);
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        return n1 < n2 ? -1 : (n1 > n2 ? 1 : 0);
    }
    const int c = detail::accessCompare(QString::fromUtf8(static_cast<const char*>(s1), n1),
                                        QString::fromUtf8(static_cast<const char*>(s2), n2));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Statements of the program run under this authorizer: reading only, no ATTACH, no PRAGMA.
int readOnlyAuthorizer(void*, int action, const char*, const char*, const char*, const char*) {
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

class MaterializedRecordset : public Recordset {
public:
    MaterializedRecordset(QStringList names, QList<QVariantList> rows)
        : m_names(std::move(names)), m_rows(std::move(rows)) {}

    int RecordCount() const override { return static_cast<int>(m_rows.size()); }
    bool atEOF() const override { return m_pos >= m_rows.size(); }
    void MoveNext() override {
        if (m_pos < m_rows.size()) ++m_pos;
    }
    QVariant field(const QString& name) const override {
        const int i = indexOf(name);
        if (i < 0 || atEOF()) return QVariant();
        return m_rows.at(m_pos).value(i);
    }
    bool hasField(const QString& name) const override { return indexOf(name) >= 0; }

private:
    int indexOf(const QString& name) const {
        for (int i = 0; i < m_names.size(); ++i)
            if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0) return i;
        return -1;
    }

    QStringList m_names;
    QList<QVariantList> m_rows;
    qsizetype m_pos = 0;
};

class WorkspaceDatabase : public Database {
public:
    WorkspaceDatabase(std::unique_ptr<TableSource> source, QString displayName)
        : m_source(std::move(source)), m_name(std::move(displayName)) {}
    ~WorkspaceDatabase() override { Close(); }

    bool start(QString* error) {
        if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK ||
            sqlite3_create_collation_v2(m_db, kCollation, SQLITE_UTF8, nullptr, collate, nullptr) !=
                SQLITE_OK) {
            if (error)
                *error =
                    QStringLiteral("The database %1 cannot be opened: out of memory.").arg(m_name);
            Close();
            return false;
        }
        return true;
    }

    std::unique_ptr<Recordset> CreateDynaset(const QString& sql, const QVariantList& params,
                                             QString* error) override {
        if (!m_db) {
            if (error) *error = QStringLiteral("The database %1 is closed.").arg(m_name);
            return nullptr;
        }
        const QByteArray text = sql.toUtf8();
        sqlite3_stmt* st = nullptr;
        // Each pass either succeeds or names one more table the query needs.
        for (int pass = 0;; ++pass) {
            sqlite3_set_authorizer(m_db, readOnlyAuthorizer, nullptr);
            const char* tail = nullptr;
            const int rc = sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()),
                                              &st, &tail);
            sqlite3_set_authorizer(m_db, nullptr, nullptr);
            if (rc == SQLITE_OK && st) {
                if (!QByteArray(tail).trimmed().isEmpty()) {
                    sqlite3_finalize(st);
                    return fail(error, QStringLiteral("only one statement can be run at a time"));
                }
                break;
            }
            if (rc == SQLITE_OK) return fail(error, QStringLiteral("the query is empty"));
            const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
            static const QString kNoTable = QStringLiteral("no such table: ");
            if (!message.startsWith(kNoTable) || pass >= 64) return fail(error, message);
            QString table = message.mid(kNoTable.size());
            if (table.startsWith(QStringLiteral("main."))) table = table.mid(5);
            if (!loadTable(table, error)) return nullptr;
        }

        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
        if (!sqlite3_stmt_readonly(st))
            return fail(error, QStringLiteral("only reading is allowed"));
        if (sqlite3_bind_parameter_count(st) != params.size())
            return fail(error, QStringLiteral("the query takes %1 values, %2 were given")
                                   .arg(sqlite3_bind_parameter_count(st))
                                   .arg(params.size()));
        for (int i = 0; i < params.size(); ++i)
            if (!bindValue(st, i + 1, params.at(i))) return fail(error, lastError());

        QStringList names;
        const int n = sqlite3_column_count(st);
        for (int i = 0; i < n; ++i)
            names << QString::fromUtf8(sqlite3_column_name(st, i));
        QList<QVariantList> rows;
        for (;;) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) return fail(error, lastError());
            QVariantList row;
            row.reserve(n);
            for (int i = 0; i < n; ++i)
                row << columnValue(st, i);
            rows << row;
        }
        return std::make_unique<MaterializedRecordset>(std::move(names), std::move(rows));
    }

    void Close() override {
        if (m_db) sqlite3_close_v2(m_db);
        m_db = nullptr;
        m_source.reset();
    }

private:
    std::nullptr_t fail(QString* error, const QString& detail) const {
        if (error)
            *error =
                QStringLiteral("The database %1 cannot answer the query: %2.").arg(m_name, detail);
        return nullptr;
    }
    // fail() for the functions that answer true or false.
    bool failed(QString* error, const QString& detail) const {
        fail(error, detail);
        return false;
    }
    QString lastError() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }

    bool exec(const QString& sql) {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    // Copies a table of the source into the workspace.
    bool loadTable(const QString& name, QString* error) {
        if (!m_source) return failed(error, QStringLiteral("the database is closed"));
        Table t;
        QString why;
        switch (m_source->loadTable(name, &t, &why)) {
        case TableSource::Result::Ok:
            break;
        case TableSource::Result::NoSuchTable:
            if (error)
                *error = QStringLiteral("The database %1 has no table named %2.").arg(m_name, name);
            return false;
        case TableSource::Result::Failed:
            if (error) *error = why;
            return false;
        }
        if (t.columns.isEmpty()) {
            if (error)
                *error = QStringLiteral("The table %1 of the database %2 has no fields.")
                             .arg(name, m_name);
            return false;
        }
        QStringList columns;
        for (const detail::Column& c : std::as_const(t.columns))
            columns << quoted(c.name) + QLatin1Char(' ') + c.declaredType +
                           QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
        // The workspace table takes the name the query used, so that it is found whatever
        // the case of the stored name.
        if (!exec(QStringLiteral("CREATE TABLE ") + quoted(name) + QStringLiteral(" (") +
                  columns.join(QStringLiteral(", ")) + QStringLiteral(")")))
            return failed(error, lastError());

        QStringList marks;
        for (qsizetype i = 0; i < t.columns.size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray insert =
            (QStringLiteral("INSERT INTO ") + quoted(name) + QStringLiteral(" VALUES (") +
             marks.join(QLatin1Char(',')) + QStringLiteral(")"))
                .toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, insert.constData(), -1, &st, nullptr) != SQLITE_OK)
            return failed(error, lastError());
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
        exec(QStringLiteral("BEGIN"));
        for (const QVariantList& row : std::as_const(t.rows)) {
            sqlite3_reset(st);
            for (int i = 0; i < t.columns.size(); ++i)
                bindValue(st, i + 1, row.value(i));
            if (sqlite3_step(st) != SQLITE_DONE) {
                const QString why2 = lastError();
                exec(QStringLiteral("ROLLBACK"));
                exec(QStringLiteral("DROP TABLE IF EXISTS ") + quoted(name));
                return failed(error, why2);
            }
        }
        exec(QStringLiteral("COMMIT"));
        return true;
    }

    sqlite3* m_db = nullptr;
    std::unique_ptr<TableSource> m_source;
    QString m_name;
};

QString g_helperPath;

} // namespace

void setMdbHelperPath(const QString& path) {
    g_helperPath = path;
}

QString mdbHelperPath() {
    if (!g_helperPath.isEmpty()) return g_helperPath;
    const QString nextToProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("terrasond-mdb"));
#ifdef TERRASOND_MDB_BUILD_PATH
    // Programs run from the build tree (tests, screenshot tools) use the build's helper.
    if (!QFileInfo::exists(nextToProgram)) return QStringLiteral(TERRASOND_MDB_BUILD_PATH);
#endif
    return nextToProgram;
}

std::unique_ptr<Database> Database::OpenDatabase(const QString& relativePath,
                                                 const QString& password, QString* error) {
    auto failed = [error](const QString& message) -> std::unique_ptr<Database> {
        if (error) *error = message;
        return nullptr;
    };
    const QString path = ui::rootPath(relativePath);
    const QString shown = detail::displayPath(path);
    std::unique_ptr<TableSource> source;
    QString name = shown;

    const QFileInfo info(path);
    if (!info.exists()) {
        const QString bundled =
            QStringLiteral(":/bundled/") + relativePath + QStringLiteral(".sql");
        QFile script(bundled);
        if (!script.open(QIODevice::ReadOnly))
            return failed(QStringLiteral("The database file %1 was not found.").arg(shown));
        name = QStringLiteral("%1 (demo data)").arg(relativePath);
        QString why;
        source = detail::openSqlScript(script.readAll(), name, &why);
        if (!source) return failed(why);
    } else {
        if (info.isDir())
            return failed(QStringLiteral("The database file %1 is a folder.").arg(shown));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return failed(QStringLiteral("The database file %1 cannot be read: %2.")
                              .arg(shown, file.errorString()));
        const QByteArray head = file.read(detail::kJetHeaderBytes);
        const qint64 size = file.size();
        file.close();
        static const QByteArray kSqliteMagic("SQLite format 3\0", 16);
        QString why;
        if (head.startsWith(kSqliteMagic)) {
            source = detail::openSqliteFile(path, &why);
            if (!source) return failed(why);
        } else {
            const detail::JetCheck check = detail::checkJetHeader(head, size, password);
            if (check != detail::JetCheck::Ok) return failed(detail::jetCheckMessage(check, shown));
            source = detail::openAccessFile(path, password);
        }
    }
    auto db = std::make_unique<WorkspaceDatabase>(std::move(source), name);
    QString why;
    if (!db->start(&why)) return failed(why);
    return db;
}

} // namespace reference
