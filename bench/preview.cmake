add_executable(preview_bench ${CMAKE_CURRENT_LIST_DIR}/PreviewBench.cpp)
set_target_properties(preview_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(preview_bench PRIVATE quenvo_media_gui quenvo_assets)
