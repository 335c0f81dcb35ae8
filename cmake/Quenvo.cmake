include(GNUInstallDirs)
# Where `cmake --install` puts the application folder: the program's own
# folder below every prefix, never a multiarch library folder.
set(QUENVO_INSTALL_DIR lib/quenvo)
# The desktop's name for the program: desktop entry, icons, metainfo.
set(QUENVO_APP_ID org.quenvo.Quenvo)

# quenvo_library(NAME <name> DEPS <targets...>)
# One static library per subsystem folder; sources are the folder's files.
function(quenvo_library)
  cmake_parse_arguments(Q "" "NAME" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${Q_NAME} STATIC ${sources})
    target_include_directories(${Q_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${Q_NAME} PUBLIC ${Q_DEPS})
  else()
    # A subsystem whose code has not been written yet.
    add_library(${Q_NAME} INTERFACE)
    target_include_directories(${Q_NAME} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${Q_NAME} INTERFACE ${Q_DEPS})
  endif()
endfunction()

# quenvo_test(NAME <name> SOURCES <files...> LIBS <targets...> [ENCODER])
# A GoogleTest executable under CTest. ENCODER marks tests that start or
# stop processes named "ravlin": they share one lock so they never end
# each other's encoders.
function(quenvo_test)
  cmake_parse_arguments(Q "ENCODER" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${Q_NAME} ${Q_SOURCES})
  set_target_properties(${Q_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${Q_NAME} PRIVATE ${Q_LIBS} quenvo_testsupport GTest::gtest)
  if(NOT Q_TIMEOUT)
    set(Q_TIMEOUT 300)
  endif()
  set(props TIMEOUT ${Q_TIMEOUT})
  if(Q_ENCODER)
    list(APPEND props RESOURCE_LOCK ravlin_processes)
  endif()
  add_test(NAME ${Q_NAME} COMMAND ${Q_NAME})
  set_tests_properties(${Q_NAME} PROPERTIES ${props})
  quenvo_test_environment(${Q_NAME})
endfunction()
