# The child program the runner's tests, demo and benchmark start.
add_executable(chatty_child ChattyChild.cpp)
set_target_properties(chatty_child PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

quenvo_test(NAME runner_tests
  SOURCES RunnerTest.cpp
  LIBS quenvo_convert_core CORE COST 9)
quenvo_test(NAME encoder_stop_tests
  SOURCES EncoderStopTest.cpp
  LIBS quenvo_convert_core
  CORE ENCODER)
foreach(t runner_tests encoder_stop_tests)
  target_compile_definitions(${t} PRIVATE CHATTY_CHILD="$<TARGET_FILE:chatty_child>")
  add_dependencies(${t} chatty_child)
endforeach()

# Runs a command line through the runner and prints each chunk as it comes.
add_executable(runner_demo RunnerDemo.cpp)
set_target_properties(runner_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(runner_demo PRIVATE quenvo_convert_core)
add_dependencies(runner_demo chatty_child)
