# The encoder runner's own CPU use while a child runs.
add_executable(runner_cpu_bench RunnerCpu.cpp)
set_target_properties(runner_cpu_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(runner_cpu_bench PRIVATE quenvo_convert_core Qt6::Widgets)
target_compile_definitions(runner_cpu_bench PRIVATE CHATTY_CHILD="$<TARGET_FILE:chatty_child>")
add_dependencies(runner_cpu_bench chatty_child)
