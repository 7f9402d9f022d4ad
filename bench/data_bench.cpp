#include "bench/data_bench.h"

#include "database/database.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "ui/flexgrid.h"
#include "ui/form.h"
#include "ui/twips.h"

#ifdef TERRASOND_BENCH_HAS_YAMAHA
#include "consoles/yamaha/form55.h"
#endif

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cmath>
#include <memory>

namespace bench {

namespace {

using reference::Database;
using reference::Recordset;

// One table of the program's data and how the windows read it.
struct Dataset {
    std::string title;         // "Glossary"
    const char* file;          // below the root folder
    const char* script;        // the bundled demo data (Qt resource)
    const char* accessFixture; // below the data folder
    QStringList tables;        // every table of the file (all are grown alike)
    const char* key;           // the column that tells grown copies apart
    const char* apiSql;        // the query of the window
    const char* floorSql;      // the same rows, only the columns the window shows
};

const Dataset kGlossary{"Glossary",
                        "orvanedemo/terrasond/db1.mdb",
                        ":/bundled/orvanedemo/terrasond/db1.mdb.sql",
                        "mdb/glossary/db1.mdb",
                        {QStringLiteral("glosary")},
                        "siglas",
                        "SELECT * from glosary order by siglas",
                        "SELECT siglas, sp FROM glosary ORDER BY siglas"};

const Dataset kYamahaCodes{
    "Yamaha fault codes",
    "orvanedemo/terrasond/Y1.mdb",
    ":/bundled/orvanedemo/terrasond/Y1.mdb.sql",
    "mdb/yamaha-codes/Y1.mdb",
    {QStringLiteral("obd"), QStringLiteral("obd2")},
    "codigo",
    "SELECT * from obd",
    "SELECT codigo, descripcion, ERROR1, ERROR2, ERROR3, ERROR4, ecu FROM obd"};

// ---- SQLite files ----

class SqliteFile {
public:
    SqliteFile(const QString& path, int flags) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) !=
            SQLITE_OK)
            fail("cannot open " + path.toStdString());
    }
    ~SqliteFile() { sqlite3_close_v2(m_db); }
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void exec(const QString& sql) {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string why = message ? message : "unknown error";
            sqlite3_free(message);
            throw Failure("SQLite: " + why);
        }
    }
    long long scalar(const QString& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            fail("prepare");
        const long long v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
        sqlite3_finalize(st);
        return v;
    }
    // Every row of a query, each column as text.
    QList<QStringList> rows(const char* sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK) fail("prepare");
        QList<QStringList> out;
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList row;
            row.reserve(n);
            for (int i = 0; i < n; ++i)
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                         sqlite3_column_bytes(st, i));
            out << row;
        }
        sqlite3_finalize(st);
        return out;
    }

    // Appends rows to a table; Null stays Null.
    void insert(const QString& table, const QList<QVariantList>& rows) {
        if (rows.isEmpty()) return;
        QStringList marks;
        for (qsizetype i = 0; i < rows.first().size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                   .arg(table, marks.join(QLatin1Char(',')))
                                   .toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
            fail("prepare");
        for (const QVariantList& row : rows) {
            sqlite3_reset(st);
            for (int i = 0; i < row.size(); ++i) {
                const QByteArray text = row[i].toString().toUtf8();
                if (row[i].isNull())
                    sqlite3_bind_null(st, i + 1);
                else
                    sqlite3_bind_text(st, i + 1, text.constData(), static_cast<int>(text.size()),
                                      SQLITE_TRANSIENT);
            }
            if (sqlite3_step(st) != SQLITE_DONE) {
                sqlite3_finalize(st);
                fail("insert");
            }
        }
        sqlite3_finalize(st);
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw Failure(what + ": " + (m_db ? sqlite3_errmsg(m_db) : "out of memory"));
    }
    sqlite3* m_db = nullptr;
};

// The columns the window shows, as named in the floor query.
QStringList floorColumns(const Dataset& d) {
    QStringList columns;
    const QString list = QString::fromLatin1(d.floorSql)
                             .section(QStringLiteral("SELECT "), 1)
                             .section(QStringLiteral(" FROM"), 0, 0);
    for (const QString& c : list.split(QLatin1Char(',')))
        columns << c.trimmed();
    return columns;
}

// Writes the bundled demo data into an SQLite file with every table `factor` times over;
// the copies differ in their key column ("TPS", "TPS.1", "TPS.2"...).
void generate(const Dataset& d, const QString& path, int factor) {
    QFile script(QString::fromLatin1(d.script));
    if (!script.open(QIODevice::ReadOnly))
        throw Failure(std::string("bundled data missing: ") + d.script);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    SqliteFile db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    db.exec(QStringLiteral("BEGIN"));
    db.exec(QString::fromUtf8(script.readAll()));
    const QString key = QString::fromLatin1(d.key);
    for (const QString& t : d.tables) {
        db.exec(QStringLiteral("CREATE TEMP TABLE base AS SELECT * FROM %1").arg(t));
        for (int k = 1; k < factor; ++k) {
            const long long last = db.scalar(QStringLiteral("SELECT max(rowid) FROM %1").arg(t));
            db.exec(QStringLiteral("INSERT INTO %1 SELECT * FROM temp.base").arg(t));
            db.exec(QStringLiteral("UPDATE %1 SET %2 = %2 || '.%3' WHERE rowid > %4")
                        .arg(t, key)
                        .arg(k)
                        .arg(last));
        }
        db.exec(QStringLiteral("DROP TABLE temp.base"));
    }
    db.exec(QStringLiteral("COMMIT"));
}

// Copies what the database API reads from the file into an SQLite file, so that the floor
// of a figure reads exactly the same rows.
void copyThroughApi(const Dataset& d, const QString& path) {
    QString error;
    auto db = Database::OpenDatabase(QString::fromLatin1(d.file),
                                     QString::fromLatin1(reference::kDatabasePassword), &error);
    if (!db) throw Failure(error.toStdString());
    QFile::remove(path);
    SqliteFile out(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    out.exec(QStringLiteral("BEGIN"));
    for (const QString& t : d.tables) {
        // Every table of a file has the columns of the one the figures read.
        const QStringList columns = floorColumns(d);
        auto rs = db->CreateDynaset(QStringLiteral("SELECT * from ") + t, &error);
        if (!rs) throw Failure(error.toStdString());
        out.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(t, columns.join(QStringLiteral(", "))));
        QList<QVariantList> rows;
        for (; !rs->atEOF(); rs->MoveNext()) {
            QVariantList row;
            for (const QString& c : columns)
                row << rs->field(c);
            rows << row;
        }
        out.insert(t, rows);
    }
    out.exec(QStringLiteral("COMMIT"));
    db->Close();
}

// ---- the measured operations ----

// Reads the window's query through the database API, every field the window reads.
Sample readThroughApi(const Dataset& d, int* rowCount = nullptr) {
    qsizetype sink = 0;
    int rows = 0;
    const QStringList fields = floorColumns(d);
    const Sample s = measure([&] {
        QString error;
        auto db = Database::OpenDatabase(QString::fromLatin1(d.file),
                                         QString::fromLatin1(reference::kDatabasePassword), &error);
        if (!db) throw Failure(error.toStdString());
        auto rs = db->CreateDynaset(QString::fromLatin1(d.apiSql), &error);
        if (!rs) throw Failure(error.toStdString());
        for (; !rs->atEOF(); rs->MoveNext()) {
            for (const QString& f : std::as_const(fields))
                sink += rs->text(f).size();
            ++rows;
        }
        rs.reset();
        db->Close();
    });
    if (rowCount) *rowCount = rows;
    (void)sink;
    return s;
}

Sample readRaw(const Dataset& d, const QString& file, QList<QStringList>* out = nullptr) {
    QList<QStringList> rows;
    const Sample s = measure([&] {
        SqliteFile db(file, SQLITE_OPEN_READONLY);
        rows = db.rows(d.floorSql);
    });
    if (out) *out = std::move(rows);
    return s;
}

// A bare window with a grid holding the rows: the least a window showing them must do.
Sample bareGridWindow(const Dataset& d, const QString& floorFile, int columns, int designRows,
                      int widthTw, int heightTw) {
    ui::Form* window = nullptr;
    const Sample s = measure([&] {
        QList<QStringList> rows;
        readRaw(d, floorFile, &rows);
        window = new ui::Form;
        window->setClientSizeTw(widthTw + 240, heightTw + 900);
        auto* grid = new ui::FlexGrid(window);
        ui::place(grid, 120, 120, widthTw, heightTw);
        grid->setCols(columns);
        grid->setRows(std::max<int>(designRows, static_cast<int>(rows.size())));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < columns && c < rows[r].size(); ++c)
                grid->setTextAt(r, c, rows[r][c]);
        window->load();
        QCoreApplication::processEvents();
    });
    window->unload();
    settle();
    return s;
}

// ---- the figures ----

struct Variant {
    std::string label;
    int factor = 1;         // rows relative to the bundled demo data (generated variants)
    bool generated = false; // a generated SQLite file
    bool access = false;    // an Access file
    bool realSize = true;   // judged against one frame
    QString root;
    QString floorFile; // the same rows as an SQLite file
};

int roundsFor(const Options& o, int factor) {
    if (o.quick) return 3;
    return factor >= 100 ? 7 : (factor >= 10 ? 15 : 31);
}

std::string variantName(const Variant& v, int rows) {
    return v.label + ", " + std::to_string(rows) + " rows";
}

void printFigure(const std::string& figure, const Paired& p, bool judged) {
    printRow({figure, formatSide(p.ours), formatSide(p.floor), p.ratios(), judged ? "< 16 ms" : "",
              judged ? frameVerdict(p.ours) : ""});
}

// Growth of a cost with the rows: the exponent of a power law from the 10x to the 100x file
// (1 is linear; at 1x the fixed costs still dominate). CPU time, which the load of other
// programs on the machine does not inflate.
void printGrowth(const std::string& figure, const std::vector<double>& ours,
                 const std::vector<double>& floor) {
    if (ours.size() < 3 || std::isnan(ours[1]) || std::isnan(ours[2])) return;
    auto describe = [](const std::vector<double>& t) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "×%.1f at 10x, ×%.1f at 100x", t[1] / t[0], t[2] / t[0]);
        return std::string(buf);
    };
    auto exponent = [](const std::vector<double>& t) { return std::log10(t[2] / t[1]); };
    char e[64];
    std::snprintf(e, sizeof e, "exponent %.2f (floor %.2f)", exponent(ours), exponent(floor));
    // A little over 1 is within the noise of the measurement.
    printRow({figure, describe(ours), describe(floor), e, "exponent ≤ 1 (linear)",
              verdict(exponent(ours) <= 1.05)});
}

void runDataset(const Options& o, const Dataset& d, const QString& windowName,
                const std::function<Paired(const Variant&, int rounds)>& windowFigure,
                const std::string& windowLabel) {
    QTemporaryDir scratch;
    std::vector<Variant> variants;
    auto rootFor = [&](const QString& name) {
        const QString root = scratch.filePath(name);
        QDir().mkpath(root);
        return root;
    };
    const QString rel = QString::fromLatin1(d.file);

    // The generated files first: the bundled variant's floor is the 1x file.
    for (int factor : {1, 10, 100}) {
        Variant v;
        v.label = "generated SQLite file " + std::to_string(factor) + "x";
        v.factor = factor;
        v.generated = true;
        v.realSize = factor == 1;
        v.root = rootFor(QStringLiteral("sqlite%1").arg(factor));
        v.floorFile = QDir(v.root).filePath(rel);
        generate(d, v.floorFile, factor);
        variants.push_back(v);
    }
    {
        Variant v;
        v.label = "bundled demo data";
        v.root = rootFor(QStringLiteral("bundled"));
        v.floorFile = variants.front().floorFile;
        variants.insert(variants.begin(), v);
    }
    const QString fixture = QDir(o.dataDir).filePath(QString::fromLatin1(d.accessFixture));
    {
        Variant v;
        v.label = "Access file";
        v.access = true;
        v.root = rootFor(QStringLiteral("access"));
        v.floorFile = scratch.filePath(QStringLiteral("access-floor.sqlite"));
        if (QFileInfo::exists(fixture)) {
            QDir().mkpath(QFileInfo(QDir(v.root).filePath(rel)).path());
            QFile::copy(fixture, QDir(v.root).filePath(rel));
        }
        variants.push_back(v);
    }

    std::vector<double> apiGrowth, apiFloorGrowth, windowGrowth, windowFloorGrowth;
    for (const Variant& v : variants) {
        BenchPlatform platform(v.root);
        const int rounds = roundsFor(o, v.factor);
        int rows = 0;
        std::string name = variantName(v, 0);
        try {
            if (v.access) {
                if (!QFileInfo::exists(fixture))
                    throw Failure("Access fixture " + fixture.toStdString() + " not found");
                copyThroughApi(d, v.floorFile);
            }
            readThroughApi(d, &rows);
            name = variantName(v, rows);
            const Paired api = paired(
                rounds, [&] { return readThroughApi(d); }, [&] { return readRaw(d, v.floorFile); });
            printFigure(d.title + " through the database API — " + name, api, v.realSize);
            if (v.generated) {
                apiGrowth.push_back(api.ours.cpuNs());
                apiFloorGrowth.push_back(api.floor.cpuNs());
            }
        } catch (const Failure& f) {
            printRow({d.title + " through the database API — " + name,
                      std::string("failed: ") + f.what(), "", "", "", "MISSED"});
            if (v.generated) apiGrowth.push_back(NAN), apiFloorGrowth.push_back(NAN);
            continue;
        }
        if (!shell::WindowRegistry::instance().isRegistered(windowName)) continue;
        try {
            const Paired w = windowFigure(v, rounds);
            platform.check();
            printFigure(windowLabel + " — " + name, w, v.realSize);
            if (v.generated) {
                windowGrowth.push_back(w.ours.cpuNs());
                windowFloorGrowth.push_back(w.floor.cpuNs());
            }
        } catch (const Failure& f) {
            printRow({windowLabel + " — " + name, std::string("failed: ") + f.what(), "", "", "",
                      "MISSED"});
            if (v.generated) windowGrowth.push_back(NAN), windowFloorGrowth.push_back(NAN);
        }
    }
    printGrowth("Growth: " + d.title + " through the database API, rows ×1 → ×100 (CPU time)",
                apiGrowth, apiFloorGrowth);
    printGrowth("Growth: " + windowLabel + ", rows ×1 → ×100 (CPU time)", windowGrowth,
                windowFloorGrowth);
}

Paired glossaryWindow(const Variant& v, int rounds) {
    auto& registry = shell::WindowRegistry::instance();
    const QString name = QStringLiteral("Form9");
    ERRORS32::LanguageIndex = 1;
    return paired(
        rounds,
        [&] {
            auto* platform = static_cast<BenchPlatform*>(&ui::platform());
            const Sample s = measure([&] {
                registry.load(name);
                QCoreApplication::processEvents(); // shown and painted
            });
            platform->check();
            registry.unload(name);
            settle();
            return s;
        },
        [&] { return bareGridWindow(kGlossary, v.floorFile, 2, 50, 9840, 6360); });
}

#ifdef TERRASOND_BENCH_HAS_YAMAHA
Paired yamahaModelChoice(const Variant& v, int rounds) {
    auto& registry = shell::WindowRegistry::instance();
    auto* form = qobject_cast<yamaha::Form55*>(registry.load(QStringLiteral("Form55")));
    if (!form) throw Failure("the Yamaha window did not open");
    settle();
    static_cast<BenchPlatform*>(&ui::platform())->check();
    // The first model is an Fx10 (table obd), the last one the Apex (table obd2).
    const int fx10 = 0;
    const int apex = form->Combo1->count() - 1;

    // The floor fills a grid of the same size in a shown window.
    auto* bare = new ui::Form;
    bare->setClientSizeTw(10400, 5000);
    auto* grid = new ui::FlexGrid(bare);
    ui::place(grid, 120, 120, 10080, 4600);
    grid->setCols(4);
    grid->setRows(yamaha::Form55::kFaultRows);
    bare->load();
    settle();

    const Paired p = paired(
        rounds,
        [&] {
            form->Combo1_Click(apex); // untimed: the measured choice always changes the model
            QCoreApplication::processEvents();
            return measure([&] {
                form->Combo1_Click(fx10);
                QCoreApplication::processEvents();
            });
        },
        [&] {
            return measure([&] {
                QList<QStringList> rows;
                readRaw(kYamahaCodes, v.floorFile, &rows);
                grid->setRows(
                    std::max<int>(yamaha::Form55::kFaultRows, static_cast<int>(rows.size())));
                for (int r = 0; r < rows.size(); ++r) {
                    const QStringList& f = rows[r];
                    grid->setTextAt(r, 0, f.value(0));
                    grid->setTextAt(r, 1, f.value(1));
                    grid->setTextAt(r, 2, f.mid(2, 4).join(QChar(13)));
                    grid->setTextAt(r, 3, f.value(6));
                }
                QCoreApplication::processEvents();
            });
        });
    bare->unload();
    form->unload();
    settle();
    return p;
}
#endif

} // namespace

void dataBenchmarks(const Options& o, const QString& which) {
#ifdef TERRASOND_BENCH_MDB_HELPER
    reference::setMdbHelperPath(QStringLiteral(TERRASOND_BENCH_MDB_HELPER));
#endif
    auto run = [&](const Dataset& d, const QString& window, auto figure, const std::string& label) {
        printTableHeader(d.title.c_str());
        try {
            runDataset(o, d, window, figure, label);
        } catch (const Failure& f) {
            printRow({d.title, std::string("failed: ") + f.what(), "", "", "", "MISSED"});
        }
    };
    if (which.isEmpty() || which == QLatin1String("glossary"))
        run(kGlossary, QStringLiteral("Form9"), glossaryWindow, "Glossary window load (`Form9`)");
    if (!which.isEmpty() && which != QLatin1String("yamaha")) return;
#ifdef TERRASOND_BENCH_HAS_YAMAHA
    run(kYamahaCodes, QStringLiteral("Form55"), yamahaModelChoice,
        "Yamaha model choice (`Form55` `Combo1` click, Fx10 → table `obd`)");
#else
    printTableHeader("Yamaha fault codes");
    printRow({"Yamaha model choice", "the Yamaha window is not in this build", "", "", "", ""});
#endif
}

} // namespace bench
