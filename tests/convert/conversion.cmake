# The job list and the choice a command line is built from: Qt Core only.
add_library(conversion_fixture STATIC ConversionFixture.cpp ConversionFixture.h)
target_link_libraries(conversion_fixture PUBLIC quenvo_convert_core quenvo_testsupport_core)
quenvo_test_headers(conversion_fixture CORE)
add_dependencies(conversion_fixture ravlin)
# Batches with the windows, the stand-in encoder and the desktop's services.
add_library(batch_fixture STATIC BatchFixture.h DesktopStandIns.cpp DesktopStandIns.h ReplayEncoder.cpp)
target_link_libraries(batch_fixture PUBLIC conversion_fixture quenvo_convert_gui quenvo_testsupport_gui)
quenvo_test_headers(batch_fixture)

# The progress model called directly, and fed the encoder's own status lines.
quenvo_test(NAME progress_model_tests
  SOURCES ProgressModelTest.cpp
  LIBS quenvo_convert_core ravlin_core CORE)

quenvo_test(NAME conversion_command_tests
  SOURCES CommandLineTest.cpp
  LIBS conversion_fixture CORE)
# Most batches replay the encoder's recorded output; two start and end
# processes named "ravlin".
quenvo_test(NAME conversion_batch_tests
  SOURCES ProgressWindowTest.cpp BatchTest.cpp
  LIBS batch_fixture
  ENCODER TIMEOUT 120 COST 15)
# Replayed batches beside private buses with stand-in desktop services.
quenvo_test(NAME batch_on_desktop_test
  SOURCES BatchOnDesktopTest.cpp
  LIBS batch_fixture Qt6::DBus
  TIMEOUT 120 COST 7)
