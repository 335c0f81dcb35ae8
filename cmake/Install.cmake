# `cmake --install` lays out one application folder, as the build tree's app/.
# Each program and library installs itself there from its own folder.
install(DIRECTORY DESTINATION ${QUENVO_INSTALL_DIR}/Config)

# The desktop entry starts quenvo in the folder it is installed to (the
# prefix given at install time); the icon is installed by assets/.
install(CODE "
  set(QUENVO_DESKTOP_EXEC \"\${CMAKE_INSTALL_PREFIX}/${QUENVO_INSTALL_DIR}/quenvo\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/applications/quenvo.desktop\")
  message(STATUS \"Installing: \${entry}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/assets/quenvo.desktop.in\" \"\${entry}\" @ONLY)
")
