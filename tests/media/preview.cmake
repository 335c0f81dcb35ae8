add_library(quenvo_preview_fixture STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PreviewFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/PreviewFixture.h)
target_link_libraries(quenvo_preview_fixture PUBLIC quenvo_media_gui quenvo_testsupport_gui GTest::gtest)
quenvo_test_headers(quenvo_preview_fixture)

quenvo_test(NAME segment_selection_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SegmentSelectionTest.cpp
  LIBS quenvo_preview_fixture)

quenvo_test(NAME preview_playback_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PreviewPlaybackTest.cpp
  LIBS quenvo_preview_fixture quenvo_media_samples TIMEOUT 120 COST 13)
# The video window again on a screen of twice the density.
add_test(NAME preview_playback_test_scale2
  COMMAND preview_playback_test --gtest_filter=PreviewPlayback.StateTableAndTransitions)
quenvo_test_environment(preview_playback_test_scale2)
set_property(TEST preview_playback_test_scale2 APPEND PROPERTY ENVIRONMENT "QT_SCALE_FACTOR=2")
set_tests_properties(preview_playback_test_scale2 PROPERTIES TIMEOUT 120)

# Starts a private dbus-daemon of its own for a stand-in screen-saver service.
quenvo_test(NAME screen_saver_bus_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenSaverBusTest.cpp
  LIBS quenvo_media_gui)
