# The Debian package built from this tree, checked as a system would see it.
add_test(NAME package_checks COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
set_tests_properties(package_checks PROPERTIES TIMEOUT 300)
