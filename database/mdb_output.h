#pragma once

// What the Access reader helper (terrasond-mdb) writes on its standard output, and the
// parsing of it. The parser is a pure function: the helper may have been stopped half-way
// or may have read garbage from a damaged file, so nothing in the output is trusted.
//
// Format (byte-exact; <n> are decimal numbers, <len>:<bytes> a counted byte string):
//   TSMDB 1\n
//   then one of
//     missing\n                         the file has no such table
//     damaged <len>:<reason>\n          the file cannot be read
//     table <len>:<name>\n
//     columns <n>\n
//     <type> <len>:<name>\n             n times: Access column type and name (UTF-8)
//     rows <n>\n                        the row count the table's definition gives
//     row\n  then per column  ~\n (Null)  or  <len>:<bytes>\n       for every row read
//     end <n>\n                         the number of rows the helper read

#include "database/sources.h"

#include <QByteArray>

namespace reference::detail {

// Access column types, as stored in the table definition.
enum MdbType {
    kMdbBool = 0x01,
    kMdbByte = 0x02,
    kMdbInt = 0x03,
    kMdbLongInt = 0x04,
    kMdbMoney = 0x05,
    kMdbFloat = 0x06,
    kMdbDouble = 0x07,
    kMdbDateTime = 0x08,
    kMdbBinary = 0x09,
    kMdbText = 0x0a,
    kMdbOle = 0x0b,
    kMdbMemo = 0x0c,
    kMdbRepId = 0x0f,
    kMdbNumeric = 0x10,
};

struct MdbOutput {
    enum class Verdict { Table, Missing, Damaged };
    Verdict verdict = Verdict::Damaged;
    QString reason; // for Damaged: what went wrong
    Table table;    // for Table
};

// Parses a complete output. Anything malformed, cut short, or with fewer rows than the
// table's definition declares is Damaged.
MdbOutput parseMdbOutput(const QByteArray& output);

// The SQLite declared type the workspace gives an Access column type.
QString sqliteTypeOf(int mdbType);

// A counted byte string, "<len>:<bytes>".
QByteArray mdbCounted(const QByteArray& bytes);

} // namespace reference::detail
