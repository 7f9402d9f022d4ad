# Fuzz targets of the reference windows and the database access path (included by
# tests/fuzz/CMakeLists.txt; each is built when its library is).
if(TARGET terrasond_reference)
    terrasond_add_fuzz(history_date terrasond_reference fuzz_history_date.cpp)
endif()

if(TARGET terrasond_database)
    terrasond_add_fuzz(jet_header terrasond_database fuzz_jet_header.cpp)
    terrasond_add_fuzz(mdb_output terrasond_database fuzz_mdb_output.cpp)
    # The loaders read files, below the test platform's root folder: one source, built for
    # SQLite files and for the mutated Access test databases read by the reader process.
    foreach(name access_loader sqlite_loader)
        terrasond_add_fuzz(${name} terrasond_database fuzz_loader.cpp)
        target_link_libraries(fuzz_${name} PRIVATE terrasond_testsupport)
    endforeach()
    target_compile_definitions(fuzz_access_loader PRIVATE
        TERRASOND_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data/mdb"
        TERRASOND_MDB_HELPER="$<TARGET_FILE:terrasond-mdb>")
    add_dependencies(fuzz_access_loader terrasond-mdb)
endif()
