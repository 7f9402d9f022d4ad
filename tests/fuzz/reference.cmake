# Fuzz targets of the reference windows and the database access path (included by
# tests/fuzz/CMakeLists.txt; each is built when its library is).
if(TARGET terrasond_reference)
    terrasond_add_fuzz(history_date terrasond_reference fuzz_history_date.cpp)
endif()

if(TARGET terrasond_database)
    terrasond_add_fuzz(jet_header terrasond_database fuzz_jet_header.cpp)
    terrasond_add_fuzz(mdb_output terrasond_database fuzz_mdb_output.cpp)
    # The loaders read files: the mutated test databases, through the reader process of
    # this build.
    foreach(name access_loader sqlite_loader)
        terrasond_add_fuzz(${name} terrasond_database fuzz_${name}.cpp)
        target_compile_definitions(fuzz_${name} PRIVATE
            TERRASOND_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data/mdb"
            TERRASOND_MDB_HELPER="$<TARGET_FILE:terrasond-mdb>")
        add_dependencies(fuzz_${name} terrasond-mdb)
    endforeach()
endif()
