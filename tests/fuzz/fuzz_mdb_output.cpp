// What the Access reader process writes: any bytes, never a fault. A table that parses is
// whole (every row has every column, as many rows as declared) and writes back to the
// same table.
#include "database/mdb_output.h"

#include <QByteArray>
#include <QHash>
#include <cstdint>

namespace {

using reference::detail::mdbCounted;
using reference::detail::MdbOutput;
using reference::detail::parseMdbOutput;

// The reader's own output for a table. Column types are not kept by the parser, only the
// SQLite type they map to; one Access type per SQLite type stands for them.
QByteArray write(const reference::detail::Table& t) {
    QByteArray out = "TSMDB 1\ntable " + mdbCounted(t.name.toUtf8()) + "\ncolumns " +
                     QByteArray::number(t.columns.size()) + "\n";
    using namespace reference::detail;
    static const QHash<QString, int> kTypes = {
        {"INTEGER", kMdbLongInt}, {"REAL", kMdbDouble}, {"NUMERIC", kMdbMoney}, {"BLOB", kMdbOle}};
    for (const auto& c : t.columns)
        out += QByteArray::number(kTypes.value(c.declaredType, kMdbText)) + ' ' +
               mdbCounted(c.name.toUtf8()) + '\n';
    out += "rows " + QByteArray::number(t.rows.size()) + "\n";
    for (const QVariantList& row : t.rows) {
        out += "row\n";
        for (const QVariant& v : row)
            out += v.isNull()
                       ? QByteArray("~\n")
                       : mdbCounted(v.typeId() == QMetaType::QByteArray ? v.toByteArray()
                                                                        : v.toString().toUtf8()) +
                             '\n';
    }
    return out + "end " + QByteArray::number(t.rows.size()) + "\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const MdbOutput o = parseMdbOutput(bytes);
    if (o.verdict != MdbOutput::Verdict::Table) {
        if (o.verdict == MdbOutput::Verdict::Damaged && o.reason.isEmpty()) __builtin_trap();
        return 0;
    }
    const auto& t = o.table;
    if (t.columns.size() > 255) __builtin_trap();
    for (const QVariantList& row : t.rows)
        if (row.size() != t.columns.size()) __builtin_trap();
    // Whatever parses writes back and parses to the same table (text that was not UTF-8
    // is the one thing that changes, so the second round must be exact).
    const QByteArray once = write(t);
    const MdbOutput again = parseMdbOutput(once);
    if (again.verdict != MdbOutput::Verdict::Table || write(again.table) != once) __builtin_trap();
    // A cut anywhere is damage, never a shorter table.
    for (qsizetype cut : {once.size() - 1, once.size() / 2})
        if (cut >= 0 && parseMdbOutput(once.left(cut)).verdict == MdbOutput::Verdict::Table)
            __builtin_trap();
    return 0;
}
