quenvo_test(NAME support_tests
  SOURCES TextHelpersTest.cpp FileHelpersTest.cpp
  LIBS quenvo_support)
