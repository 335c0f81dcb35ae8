# The Debian package built from this tree, checked as a system would see it.
# A sanitizer build is never shipped, so its tree makes no package.
if(NOT QUENVO_SANITIZE)
  add_test(NAME package_checks COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_checks PROPERTIES TIMEOUT 300 COST 21)
endif()
