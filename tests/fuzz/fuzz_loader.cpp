// A damaged database in the data folder, read the way the windows read it: each of the
// program's queries answers with rows (as many as RecordCount says) or a message, promptly,
// and never faults. Built twice: as access_loader the input damages one of the sound
// Access test databases (byte 0 picks the file, byte 1 may cut it to fewer pages, every
// further 4 bytes set one byte: 3-byte little-endian offset, then the value), read through
// the reader process; as sqlite_loader the input is the SQLite file.
#include "database/database.h"
#include "database/sources.h"
#include "tests/support/fake_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdint>
#include <cstdio>

namespace {

// How the reads of all inputs ended (scripts/fuzz.sh shows it: a run whose inputs are all
// refused never reaches the tables).
struct Tally {
    long long read = 0, refused = 0;
    ~Tally() { std::fprintf(stderr, "outcomes: ok %lld; refused %lld;\n", read, refused); }
    void count(const QString& error) { ++(error.isEmpty() ? read : refused); }
} tally;

// Puts `file` where the program looks for `rel`, opens it as the windows do and runs each
// query ("SQL|field,field,..."; a "?" is bound to "12") to its last row.
void readDatabase(const QString& rel, const QByteArray& file, const QStringList& queries) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv); // the reader process needs one
    static testing::FakePlatform platform;
    platform.writeFile(rel, file);
    QString error;
    auto db = reference::Database::OpenDatabase(
        rel, QString::fromLatin1(reference::kDatabasePassword), &error);
    if (!db) {
        if (error.isEmpty()) __builtin_trap();
        tally.count(error);
    }
    for (const QString& q : db ? queries : QStringList()) {
        const QString sql = q.section(u'|', 0, 0);
        const QVariantList params =
            sql.contains(u'?') ? QVariantList{QStringLiteral("12")} : QVariantList{};
        error.clear();
        auto rs = db->CreateDynaset(sql, params, &error);
        if (!rs && error.isEmpty()) __builtin_trap();
        int rows = 0;
        for (; rs && !rs->atEOF(); rs->MoveNext(), ++rows)
            for (const QString& field : q.section(u'|', 1).split(u','))
                (void)rs->text(field);
        if (rs && rows != rs->RecordCount()) __builtin_trap();
        tally.count(error);
    }
    if (db) db->Close();
    QFile::remove(platform.path(rel));
}

const QString kGlossary =
    QStringLiteral("SELECT * from glosary order by siglas|siglas,sp,en,fr,it");

#ifdef TERRASOND_MDB_HELPER
struct Fixture {
    const char* file;    // below the test data folder
    const char* rel;     // where the program looks for it
    QStringList queries; // the program's queries on it
};

const Fixture kFixtures[] = {
    {"glossary/db1.mdb", "orvanedemo/terrasond/db1.mdb", {kGlossary}},
    {"glossary-v2003/db1.mdb", "orvanedemo/terrasond/db1.mdb", {kGlossary}},
    {"yamaha-codes/Y1.mdb",
     "orvanedemo/terrasond/Y1.mdb",
     {"SELECT * from obd|codigo,descripcion,ERROR1,ERROR2,ERROR3,ERROR4,ecu",
      "SELECT * from obd2|codigo,descripcion,ERROR1,ERROR2,ERROR3,ERROR4,ecu"}},
    {"yamaha-details/Y1.mdb",
     "nivasond/Y1.mdb",
     {"SELECT * from detalles where codigo = ?|codigo,cause1,job1,cause5,job5,metodo",
      "SELECT * from detalles2 where codigo = ?|codigo,cause1,job1,cause5,job5,metodo"}},
};

QByteArray fixtureBytes(int i) {
    static QByteArray cache[std::size(kFixtures)];
    if (cache[i].isEmpty()) {
        QFile f(QStringLiteral(TERRASOND_TEST_DATA "/") + QLatin1String(kFixtures[i].file));
        if (!f.open(QIODevice::ReadOnly)) __builtin_trap();
        cache[i] = f.readAll();
    }
    return cache[i];
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef TERRASOND_MDB_HELPER
    reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
    // A reader that loops is stopped after this long; the real limit is larger.
    reference::detail::setAccessTimeoutMs(4000);
    if (size < 2) return 0;
    const int which = data[0] % static_cast<int>(std::size(kFixtures));
    QByteArray file = fixtureBytes(which);
    const qsizetype pageSize = 4096;
    if (data[1] >= 0xC0) file.truncate(pageSize * (1 + data[1] % (file.size() / pageSize)));
    for (size_t i = 2; i + 4 <= size; i += 4) {
        const qsizetype offset = (data[i] | (data[i + 1] << 8) | (data[i + 2] << 16)) % file.size();
        file[offset] = static_cast<char>(data[i + 3]);
    }
    readDatabase(QLatin1String(kFixtures[which].rel), file, kFixtures[which].queries);
#else
    // Anything else is not taken for an SQLite file; that path has the Access target.
    static const QByteArray kMagic("SQLite format 3\0", 16);
    QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!file.startsWith(kMagic)) file = kMagic + file;
    readDatabase(QStringLiteral("orvanedemo/terrasond/db1.mdb"), file,
                 {kGlossary, "SELECT * from obd2|codigo,descripcion,ERROR1,ERROR4,ecu",
                  "SELECT * from detalles where codigo = ?|codigo,cause1,job1,metodo"});
#endif
    return 0;
}
