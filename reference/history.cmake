# The history window (Form10) and the connector pictures window (Form6), with the
# connector pictures bundled for a data folder that lacks them
# (drawn by scripts/draw-connector-pictures.sh).
target_sources(terrasond_reference PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/form10.h ${CMAKE_CURRENT_LIST_DIR}/form10.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form6.h ${CMAKE_CURRENT_LIST_DIR}/form6.cpp
)
target_compile_definitions(terrasond_reference PUBLIC TERRASOND_HAS_HISTORY)
set(_pictures "${PROJECT_SOURCE_DIR}/data/bundled/orvanedemo/terrasond")
qt_add_resources(terrasond_reference "connector_pictures"
    PREFIX "/bundled"
    BASE "${PROJECT_SOURCE_DIR}/data/bundled"
    FILES
        "${_pictures}/ok.jpg" "${_pictures}/s4.jpg"
        "${_pictures}/y1.jpg" "${_pictures}/y2.jpg" "${_pictures}/y3.jpg" "${_pictures}/y4.jpg"
)
unset(_pictures)
