// Reading tables from a damaged Access file, the whole way: header check, reader process,
// its output, the workspace. The input picks one of the sound test databases and damages
// it: byte 0 picks the file, byte 1 may cut it to fewer pages, and every further 4 bytes
// set one byte (3-byte little-endian offset, then the value). The program must answer
// every query with rows or a message, promptly, and never fault.
#include "database/sources.h"
#include "tests/fuzz/reader_support.h"

#include <cstdint>

namespace {

struct Fixture {
    const char* file;    // below the test data folder
    const char* rel;     // where the program looks for it
    QStringList queries; // the program's queries on it, "SQL|fields read"
};

const Fixture kFixtures[] = {
    {"glossary/db1.mdb",
     "orvanedemo/terrasond/db1.mdb",
     {"SELECT * from glosary order by siglas|siglas,sp,en,fr,it"}},
    {"glossary-v2003/db1.mdb",
     "orvanedemo/terrasond/db1.mdb",
     {"SELECT * from glosary order by siglas|siglas,sp,en,fr,it"}},
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

fuzzing::Tally tally;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
    fuzzing::readDatabase(tally, QLatin1String(kFixtures[which].rel), file,
                          kFixtures[which].queries);
    return 0;
}
