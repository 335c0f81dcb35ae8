add_library(conversion_fixture STATIC ConversionFixture.cpp ConversionFixture.h BatchFixture.h
  DesktopStandIns.cpp DesktopStandIns.h ReplayEncoder.cpp)
target_link_libraries(conversion_fixture PUBLIC quenvo_convert_gui quenvo_testsupport_gui)
quenvo_test_headers(conversion_fixture)
add_dependencies(conversion_fixture ravlin)

# The progress model called directly, and fed the encoder's own status lines.
quenvo_test(NAME progress_model_tests
  SOURCES ProgressModelTest.cpp
  LIBS quenvo_convert_core ravlin_core CORE)

quenvo_test(NAME conversion_command_tests
  SOURCES CommandLineTest.cpp
  LIBS conversion_fixture)
# Most batches replay the encoder's recorded output; two start and end
# processes named "ravlin".
quenvo_test(NAME conversion_batch_tests
  SOURCES ProgressWindowTest.cpp BatchTest.cpp
  LIBS conversion_fixture
  ENCODER TIMEOUT 120 COST 15)
# Replayed batches beside private buses with stand-in desktop services.
quenvo_test(NAME batch_on_desktop_test
  SOURCES BatchOnDesktopTest.cpp
  LIBS conversion_fixture Qt6::DBus
  TIMEOUT 120 COST 7)
