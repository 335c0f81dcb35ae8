add_executable(joblist_bench ${CMAKE_CURRENT_LIST_DIR}/JobListBench.cpp)
set_target_properties(joblist_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(joblist_bench PRIVATE quenvo_media_gui)
