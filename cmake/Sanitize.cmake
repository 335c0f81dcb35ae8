# Sanitizer and fuzzing builds.
#
# QUENVO_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; the first finding ends the program. QUENVO_FUZZ
# adds libFuzzer's coverage instrumentation and turns the targets in fuzz/
# into fuzzers. Both take clang (CC=clang CXX=clang++) and a build folder of
# their own (build-asan, build-fuzz): with GCC the two sanitizers have
# separate runtimes, and the undefined-behaviour reports of a started program
# would go to its standard error, into a pipe, instead of the report folder.
option(QUENVO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUENVO_FUZZ "Build the fuzz targets for libFuzzer (implies QUENVO_SANITIZE)" OFF)

# Extra environment of every test; empty in a plain build.
set(QUENVO_TEST_ENVIRONMENT "")

if(QUENVO_FUZZ)
  set(QUENVO_SANITIZE ON)
endif()
if(QUENVO_SANITIZE AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "Sanitizer and fuzz builds need clang: configure with CC=clang CXX=clang++")
endif()
if(QUENVO_SANITIZE)
  set(flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
            -fno-omit-frame-pointer)
  add_compile_options(${flags})
  add_link_options(${flags})
  if(QUENVO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()

  # Every process a test starts, the encoder included, writes its findings
  # into one folder: a child's report would otherwise vanish in a pipe that
  # nobody reads to the end. The test sanitizer_reports, which runs after all
  # others, fails when the folder holds any report and shows them.
  set(QUENVO_SANITIZER_REPORTS ${CMAKE_BINARY_DIR}/sanitizer-reports)
  set(QUENVO_TEST_ENVIRONMENT
    "ASAN_OPTIONS=log_path=${QUENVO_SANITIZER_REPORTS}/report:detect_stack_use_after_return=1:check_initialization_order=1"
    "UBSAN_OPTIONS=log_path=${QUENVO_SANITIZER_REPORTS}/report:print_stacktrace=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan-suppressions.txt:print_suppressions=0")
endif()

# quenvo_test_environment(<test>): the environment every test runs in; in a
# sanitizer build also the sanitizers' options and the report check.
function(quenvo_test_environment test)
  set(environment QT_QPA_PLATFORM=offscreen ${QUENVO_TEST_ENVIRONMENT})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}")
  if(QUENVO_SANITIZER_REPORTS)
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED sanitizer_reports)
  endif()
endfunction()

# Brackets the tests with the clearing and the check of the report folder.
function(quenvo_sanitizer_report_tests)
  if(NOT QUENVO_SANITIZER_REPORTS)
    return()
  endif()
  add_test(NAME sanitizer_reports_clear
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUENVO_SANITIZER_REPORTS})
  add_test(NAME sanitizer_reports
    COMMAND ${CMAKE_COMMAND} -DREPORTS=${QUENVO_SANITIZER_REPORTS}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckSanitizerReports.cmake)
  set_tests_properties(sanitizer_reports_clear PROPERTIES FIXTURES_SETUP sanitizer_reports)
  set_tests_properties(sanitizer_reports PROPERTIES FIXTURES_CLEANUP sanitizer_reports)
endfunction()
