# Start-up as the desktop starts the program: files given at start, one
# window per session over a message bus of the test's own, and the close
# from the desktop during a batch.
quenvo_test(NAME session_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SessionTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ShellTestSupport.cpp
  LIBS quenvo_app quenvo_media_samples Qt6::GuiPrivate
  ENCODER COST 18)
add_dependencies(session_tests quenvo ravlin Tesso Korrin)
