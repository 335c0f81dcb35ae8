# The option parser, the status lines and the frame queue, called directly.
quenvo_test(NAME ravlin_unit_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/StatusLineTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameQueueTest.cpp
  LIBS ravlin_core PLAIN)

# The encoder program end to end: sources made with the ffmpeg program, outputs
# checked with ffprobe. In three parts that run side by side; they take no
# encoder lock, as they signal only the encoders they started, by their ids,
# and quenvo looks only at its own children.
quenvo_test(NAME ravlin_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RavlinHarness.cpp ${CMAKE_CURRENT_LIST_DIR}/RavlinHarness.h
          ${CMAKE_CURRENT_LIST_DIR}/ConversionTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SourceFaultsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ConsoleAndStopTest.cpp
  LIBS Qt6::Core quenvo_media_samples
  CORE SHARDS 3 TIMEOUT 400 COST 25)
add_dependencies(ravlin_tests ravlin)
