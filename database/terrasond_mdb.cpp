// terrasond-mdb FILE TABLE
//
// Reads one table of an Access (Jet3/Jet4) file with libmdb and writes it to standard
// output in the format described in mdb_output.h. The program runs it as a child process
// because libmdb can loop, exhaust memory or crash on a damaged file: the child's memory
// and processor time are limited (resource_limits.h), and the program treats any death of the child
// as a damaged database.
#include "database/resource_limits.h"

#include <glib.h>

#include <mdbtools.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 64;

std::string counted(const char* bytes, size_t len) {
    return std::to_string(len) + ":" + std::string(bytes, len);
}

void put(const std::string& s) {
    fwrite(s.data(), 1, s.size(), stdout);
}

int damaged(const char* reason) {
    put("damaged " + counted(reason, strlen(reason)) + "\n");
    fflush(stdout);
    return kExitOk;
}

bool sameName(const char* a, const char* b) {
    gchar* fa = g_utf8_casefold(a, -1);
    gchar* fb = g_utf8_casefold(b, -1);
    const bool same = strcmp(fa, fb) == 0;
    g_free(fa);
    g_free(fb);
    return same;
}

// Looks `name` up among the tables listed in MSysObjects. Returns false when the list
// cannot be read whole; `found->table_pg` stays 0 when there is no such table.
bool findTable(MdbHandle* mdb, const char* name, MdbCatalogEntry* found) {
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2; // MSysObjects' definition is always on page 2
    snprintf(objects.object_name, sizeof objects.object_name, "%s", "MSysObjects");
    MdbTableDef* table = mdb_read_table(&objects);
    if (!table) return false;
    mdb_read_columns(table);
    if (!table->columns) return false;
    std::vector<char> id(mdb->bind_size + 1), objectName(mdb->bind_size + 1),
        type(mdb->bind_size + 1);
    char idCol[] = "Id", nameCol[] = "Name", typeCol[] = "Type";
    if (mdb_bind_column_by_name(table, idCol, id.data(), nullptr) < 0 ||
        mdb_bind_column_by_name(table, nameCol, objectName.data(), nullptr) < 0 ||
        mdb_bind_column_by_name(table, typeCol, type.data(), nullptr) < 0)
        return false;
    mdb_rewind_table(table);
    unsigned int rows = 0;
    while (mdb_fetch_row(table)) {
        ++rows;
        if ((atoi(type.data()) & 0x7F) == MDB_TABLE && sameName(objectName.data(), name) &&
            found->table_pg == 0) {
            found->mdb = mdb;
            found->object_type = MDB_TABLE;
            found->table_pg = static_cast<unsigned long>(atol(id.data())) & 0x00FFFFFF;
            snprintf(found->object_name, sizeof found->object_name, "%s", objectName.data());
        }
    }
    return rows > 0 && rows == table->num_rows;
}

} // namespace

int main(int argc, char* argv[]) {
    reference::detail::limitResources();
    if (argc != 3 || !g_utf8_validate(argv[2], -1, nullptr)) {
        fprintf(stderr, "usage: terrasond-mdb FILE TABLE\n");
        return kExitUsage;
    }
    put("TSMDB 1\n");

    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb) return damaged("it cannot be opened as an Access file");
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);

    // The list of tables is read from MSysObjects directly rather than with
    // mdb_read_catalog(): that one also decodes every object's property blob, and a damaged
    // blob makes it loop or read out of bounds. The program needs no properties.
    MdbCatalogEntry wanted{};
    if (!findTable(mdb, argv[2], &wanted)) return damaged("its list of tables cannot be read");
    if (wanted.table_pg == 0) {
        put("missing\n");
        fflush(stdout);
        return kExitOk;
    }

    MdbTableDef* table = mdb_read_table(&wanted);
    if (!table) return damaged("a table definition cannot be read");
    mdb_read_columns(table);
    if (!table->columns || table->columns->len == 0 || table->columns->len > MDB_MAX_COLS)
        return damaged("a table definition cannot be read");
    mdb_rewind_table(table);

    const guint ncols = table->columns->len;
    put("table " + counted(table->name, strlen(table->name)) + "\n");
    put("columns " + std::to_string(ncols) + "\n");
    std::vector<std::vector<char>> values(ncols, std::vector<char>(mdb->bind_size + 1));
    std::vector<int> lengths(ncols);
    std::vector<MdbColumn*> cols(ncols);
    for (guint i = 0; i < ncols; ++i) {
        cols[i] = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        put(std::to_string(cols[i]->col_type) + " " +
            counted(cols[i]->name, strlen(cols[i]->name)) + "\n");
        mdb_bind_column(table, static_cast<int>(i) + 1, values[i].data(), &lengths[i]);
    }
    put("rows " + std::to_string(table->num_rows) + "\n");

    // Null and the empty text bind alike; the row's null bitmap tells them apart.
    std::vector<MdbField> fields(MDB_MAX_COLS);
    std::vector<unsigned char> isNull(ncols);
    long fetched = 0;
    while (mdb_fetch_row(table)) {
        std::fill(isNull.begin(), isNull.end(), 0);
        int start = 0;
        size_t size = 0;
        if (table->cur_row == 0 ||
            mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size) != 0)
            return damaged("a row cannot be located");
        const int cracked = mdb_crack_row(table, start & 0x1FFF, size, fields.data());
        for (int f = 0; f < cracked && f < MDB_MAX_COLS; ++f) {
            const int c = fields[f].colnum;
            if (c >= 0 && static_cast<guint>(c) < ncols && cols[c]->col_type != MDB_BOOL)
                isNull[c] = fields[f].is_null;
        }
        put("row\n");
        for (guint i = 0; i < ncols; ++i) {
            if (isNull[i]) {
                put("~\n");
            } else {
                const size_t len =
                    lengths[i] < 0 ? 0 : std::min<size_t>(lengths[i], mdb->bind_size);
                put(counted(values[i].data(), len) + "\n");
            }
        }
        ++fetched;
    }
    put("end " + std::to_string(fetched) + "\n");
    fflush(stdout);
    // The process ends here; libmdb's structures go with it.
    return kExitOk;
}
