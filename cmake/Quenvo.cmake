include(GNUInstallDirs)
# Where `cmake --install` puts the application folder: the program's own
# folder below every prefix, never a multiarch library folder.
set(QUENVO_INSTALL_DIR lib/quenvo)
# The desktop's name for the program: desktop entry, icons, metainfo.
set(QUENVO_APP_ID org.quenvo.Quenvo)

# quenvo_library(NAME <name> DEPS <targets...> SOURCES <files...>)
# One static library of a subsystem folder: its widget-free core or the part
# with its windows. Headers are named by the folder, "media/JobRow.h".
function(quenvo_library)
  cmake_parse_arguments(Q "" "NAME" "DEPS;SOURCES" ${ARGN})
  add_library(${Q_NAME} STATIC ${Q_SOURCES})
  target_include_directories(${Q_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${Q_NAME} PUBLIC ${Q_DEPS})
endfunction()

# quenvo_test(NAME <name> SOURCES <files...> LIBS <targets...>
#             [CORE | PLAIN] [ENCODER] [TIMEOUT <seconds>] [SHARDS <n>]
#             [COST <seconds>])
# A GoogleTest program under CTest. By default it runs in a QApplication on
# the offscreen platform with the test support of the windows; CORE runs it
# in a QCoreApplication with the test support of Qt Core alone, for the logic
# that needs no widget; PLAIN runs it without Qt. ENCODER marks tests that
# start or stop processes named "ravlin": they share one lock so they never
# end each other's encoders. SHARDS splits a long program into n CTest
# entries, <name>_0 .. <name>_<n-1>, each running every n-th of its tests,
# so that they run side by side. COST is about how long each entry runs:
# CTest starts the longest first, also in a fresh tree that has no timings
# of an earlier run, so that no long test is left to run alone at the end.
function(quenvo_test)
  cmake_parse_arguments(Q "CORE;PLAIN;ENCODER" "NAME;TIMEOUT;SHARDS;COST" "SOURCES;LIBS" ${ARGN})
  add_executable(${Q_NAME} ${Q_SOURCES})
  set_target_properties(${Q_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(Q_PLAIN)
    set(support GTest::gtest_main)
  elseif(Q_CORE)
    set(support quenvo_testsupport_core quenvo_test_main_core)
  else()
    set(support quenvo_testsupport_gui quenvo_test_main_gui)
  endif()
  target_link_libraries(${Q_NAME} PRIVATE ${Q_LIBS} ${support} GTest::gtest)
  if(Q_CORE)
    quenvo_test_headers(${Q_NAME} CORE)
  elseif(NOT Q_PLAIN)
    quenvo_test_headers(${Q_NAME})
  endif()
  if(NOT Q_TIMEOUT)
    set(Q_TIMEOUT 300)
  endif()
  set(props TIMEOUT ${Q_TIMEOUT})
  if(Q_COST)
    list(APPEND props COST ${Q_COST})
  endif()
  if(Q_ENCODER)
    list(APPEND props RESOURCE_LOCK ravlin_processes)
  endif()
  if(NOT Q_SHARDS)
    add_test(NAME ${Q_NAME} COMMAND ${Q_NAME})
    set_tests_properties(${Q_NAME} PROPERTIES ${props})
    quenvo_test_environment(${Q_NAME})
    return()
  endif()
  math(EXPR last "${Q_SHARDS} - 1")
  foreach(shard RANGE ${last})
    set(test ${Q_NAME}_${shard})
    add_test(NAME ${test} COMMAND ${Q_NAME})
    set_tests_properties(${test} PROPERTIES ${props})
    quenvo_test_environment(${test})
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      GTEST_TOTAL_SHARDS=${Q_SHARDS} GTEST_SHARD_INDEX=${shard})
  endforeach()
endfunction()

# quenvo_test_headers(<target> [CORE]): compiles the target's files with the
# precompiled headers of the test programs, those of the windows or, with
# CORE, those of Qt Core (tests/testsupport/CMakeLists.txt).
function(quenvo_test_headers target)
  if(ARGV1 STREQUAL "CORE")
    target_precompile_headers(${target} REUSE_FROM quenvo_test_main_core)
  else()
    target_precompile_headers(${target} REUSE_FROM quenvo_test_main_gui)
  endif()
  quenvo_moc_without_headers(${target})
endfunction()

# quenvo_moc_without_headers(<target>): the file that gathers the target's
# moc output compiles without the precompiled headers: it is empty in most
# test programs, and loading the headers took it seconds.
function(quenvo_moc_without_headers target)
  get_target_property(folder ${target} BINARY_DIR)
  set_source_files_properties(${folder}/${target}_autogen/mocs_compilation.cpp
    TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
