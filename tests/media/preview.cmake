add_library(quenvo_preview_fixture STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PreviewFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/PreviewFixture.h)
target_link_libraries(quenvo_preview_fixture PUBLIC quenvo_media quenvo_testsupport GTest::gtest)

quenvo_test(NAME segment_selection_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SegmentSelectionTest.cpp
  LIBS quenvo_preview_fixture)
