# Database access path and the glossary window.
terrasond_add_test(test_database ${CMAKE_CURRENT_LIST_DIR}/test_database.cpp)
target_link_libraries(test_database PRIVATE terrasond_database)
target_compile_definitions(test_database PRIVATE
    TERRASOND_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/../data/mdb"
    TERRASOND_MDB_HELPER="$<TARGET_FILE:terrasond-mdb>")
terrasond_add_test(test_glossary ${CMAKE_CURRENT_LIST_DIR}/test_glossary.cpp)
target_compile_definitions(test_glossary PRIVATE
    TERRASOND_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/../data/mdb"
    TERRASOND_MDB_HELPER="$<TARGET_FILE:terrasond-mdb>")
