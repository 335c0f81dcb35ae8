add_library(quenvo_media_samples STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MediaSamples.cpp ${CMAKE_CURRENT_LIST_DIR}/MediaSamples.h)
target_include_directories(quenvo_media_samples PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(quenvo_media_samples PUBLIC quenvo_testsupport_core)
quenvo_test_headers(quenvo_media_samples CORE)

quenvo_test(NAME probe_graph_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProbeGraphTest.cpp
  LIBS quenvo_media_core quenvo_media_samples CORE COST 8)

quenvo_test(NAME job_list_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/JobListTest.cpp ${CMAKE_CURRENT_LIST_DIR}/JobListViewTest.cpp
  LIBS quenvo_media_gui quenvo_media_samples COST 7)

# The job row's texts and the trim bar's arithmetic, called directly.
quenvo_test(NAME job_row_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/JobRowTest.cpp
  LIBS quenvo_media_core CORE)
