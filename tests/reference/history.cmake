terrasond_add_test(test_history ${CMAKE_CURRENT_LIST_DIR}/test_history.cpp)
terrasond_add_test(test_pictures ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp)
