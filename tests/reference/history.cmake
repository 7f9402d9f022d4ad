terrasond_add_test(test_history ${CMAKE_CURRENT_LIST_DIR}/test_history.cpp)
terrasond_add_test(test_pictures ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp)

# Screenshot program (not a test): scripts/screenshots.sh runs every shoot_* program.
add_executable(shoot_history ${CMAKE_CURRENT_LIST_DIR}/shoot_history.cpp)
target_link_libraries(shoot_history PRIVATE terrasond_testsupport)
