// A damaged SQLite database in the data folder, read the way the windows read it: the
// program's queries answer with rows or a message, and never fault or hang.
#include "tests/fuzz/reader_support.h"

#include <cstdint>

namespace {

fuzzing::Tally tally;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Anything else is not taken for an SQLite file; that path has its own target.
    static const QByteArray kMagic("SQLite format 3\0", 16);
    QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!file.startsWith(kMagic)) file = kMagic + file;
    fuzzing::readDatabase(tally, QStringLiteral("orvanedemo/terrasond/db1.mdb"), file,
                          {"SELECT * from glosary order by siglas|siglas,sp,en,fr,it",
                           "SELECT * from obd2|codigo,descripcion,ERROR1,ERROR4,ecu",
                           "SELECT * from detalles where codigo = ?|codigo,cause1,job1,metodo"});
    return 0;
}
