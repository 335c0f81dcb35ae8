add_library(conversion_fixture STATIC ConversionFixture.cpp ConversionFixture.h BatchFixture.h
  DesktopStandIns.cpp DesktopStandIns.h)
target_link_libraries(conversion_fixture PUBLIC quenvo_convert quenvo_testsupport)
add_dependencies(conversion_fixture ravlin)

quenvo_test(NAME conversion_command_tests
  SOURCES CommandLineTest.cpp
  LIBS conversion_fixture)
# Stops and batches start and end processes named "ravlin".
quenvo_test(NAME conversion_batch_tests
  SOURCES ProgressWindowTest.cpp BatchTest.cpp
  LIBS conversion_fixture quenvo_media
  ENCODER TIMEOUT 600)
# The same batches beside private buses with stand-in desktop services.
quenvo_test(NAME batch_on_desktop_test
  SOURCES BatchOnDesktopTest.cpp
  LIBS conversion_fixture Qt6::DBus
  ENCODER TIMEOUT 300)
