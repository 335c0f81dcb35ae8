# The INI rewriter that the atomic-rewrite test kills at random moments.
add_executable(ini_rewriter IniRewriter.cpp)
set_target_properties(ini_rewriter PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(ini_rewriter PRIVATE quenvo_profiles_core)

quenvo_test(NAME profiles_store_tests
  SOURCES IniStoreTest.cpp ConfigTablesTest.cpp SourceFolderTest.cpp AtomicRewriteTest.cpp
  LIBS quenvo_profiles_core CORE)
target_compile_definitions(profiles_store_tests PRIVATE INI_REWRITER="$<TARGET_FILE:ini_rewriter>")
add_dependencies(profiles_store_tests ini_rewriter)

quenvo_test(NAME profiles_dialog_tests
  SOURCES ProfileTestFixture.h ProfileChoiceTest.cpp OptionDialogTest.cpp OutputFolderTest.cpp
  LIBS quenvo_profiles_gui)
