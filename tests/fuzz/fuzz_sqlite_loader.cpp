// A damaged SQLite database in the data folder, read the way the windows read it: the
// program's queries answer with rows or a message, and never fault or hang.
#include "tests/fuzz/reader_support.h"

#include <cstdint>

namespace {

fuzzing::Tally tally;

struct Query {
    const char* sql;
    const char* fields;
};

const Query kQueries[] = {
    {"SELECT * from glosary order by siglas", "siglas,sp,en,fr,it"},
    {"SELECT * from obd2", "codigo,descripcion,ERROR1,ERROR4,ecu"},
    {"SELECT * from detalles where codigo = ?", "codigo,cause1,job1,metodo"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto& platform = fuzzing::environment();
    // Anything else is not taken for an SQLite file; that path has its own target.
    static const QByteArray kMagic("SQLite format 3\0", 16);
    QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!file.startsWith(kMagic)) file = kMagic + file;
    const QString rel = QStringLiteral("orvanedemo/terrasond/db1.mdb");
    fuzzing::writeFile(platform.dir.filePath(rel), file);

    QString error;
    auto db = reference::Database::OpenDatabase(
        rel, QString::fromLatin1(reference::kDatabasePassword), &error);
    if (!db) {
        if (error.isEmpty()) __builtin_trap();
        tally.count(error);
    } else {
        for (const Query& q : kQueries) {
            const QString sql = QLatin1String(q.sql);
            const QVariantList params =
                sql.contains(u'?') ? QVariantList{QStringLiteral("12")} : QVariantList{};
            tally.count(
                fuzzing::readAll(*db, sql, params, QString::fromLatin1(q.fields).split(u',')));
        }
        db->Close();
    }
    QFile::remove(platform.dir.filePath(rel));
    return 0;
}
