# A resource library with texts and a picture set by the tests.
# Without a soname of its own, so the loader never takes it for the real
# libTesso.so that an earlier test loaded.
add_library(FakeTesso SHARED FakeTesso.cpp)
target_include_directories(FakeTesso PRIVATE ${PROJECT_SOURCE_DIR}/siblings)
set_target_properties(FakeTesso PROPERTIES OUTPUT_NAME Tesso NO_SONAME ON CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fake_tesso)

quenvo_test(NAME app_tests
  SOURCES StartupTest.cpp SplashTest.cpp MainFormTest.cpp WindowShapeTest.cpp
          SystemActionsTest.cpp ShellTestSupport.cpp ShellTestSupport.h
  LIBS quenvo_app)
target_compile_definitions(app_tests PRIVATE
  FAKE_TESSO_DIR="${CMAKE_BINARY_DIR}/tests/fake_tesso/")
add_dependencies(app_tests Tesso Korrin FakeTesso)
# The shaped windows and the picture buttons again on screens of twice the density.
add_test(NAME app_tests_scale2
  COMMAND app_tests --gtest_filter=WindowShape.*:MainForm.PictureButtonsCarryPicturesAndNames)
quenvo_test_environment(app_tests_scale2)
set_property(TEST app_tests_scale2 APPEND PROPERTY ENVIRONMENT "QT_SCALE_FACTOR=2")
set_tests_properties(app_tests_scale2 PROPERTIES TIMEOUT 300)
