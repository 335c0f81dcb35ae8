# A batch of three 20-second jobs through the encoder with the real pauses.
add_executable(conversion_batch_bench ConversionBatch.cpp)
set_target_properties(conversion_batch_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(conversion_batch_bench PRIVATE conversion_fixture)

# The person's view: a batch started with the Convert button (run under Xvfb).
add_executable(conversion_view ConversionView.cpp)
set_target_properties(conversion_view PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(conversion_view PRIVATE quenvo_app quenvo_testsupport_core)

# Own CPU while the stop question is open, the encoder running and ended.
add_executable(stop_question_bench StopQuestion.cpp)
set_target_properties(stop_question_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(stop_question_bench PRIVATE conversion_fixture)
