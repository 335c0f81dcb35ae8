quenvo_test(NAME support_core_tests
  SOURCES TextHelpersTest.cpp FileHelpersTest.cpp
  LIBS quenvo_support_core CORE)
# The boxes and the folder browser, through scripted dialogs.
quenvo_test(NAME support_gui_tests
  SOURCES DialogHelpersTest.cpp
  LIBS quenvo_support_gui)
