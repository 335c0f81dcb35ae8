# Read by cpack for each generator: adds to the Debian package's Depends the
# packages of the libraries that the programs link, as dpkg-shlibdeps finds
# them.
if(CPACK_GENERATOR STREQUAL "DEB")
  # dpkg-shlibdeps reads the package's name from a control file.
  set(work ${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps)
  file(WRITE ${work}/debian/control "Source: quenvo\n\nPackage: quenvo\nArchitecture: any\n")
  execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_QUENVO_BINARIES}
    WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE shlibdeps ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT shlibdeps MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${errors}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
endif()
