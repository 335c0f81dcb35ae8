# `cmake --install` lays out one application folder, as the build tree's app/.
# Each program and library installs itself there from its own folder.
install(DIRECTORY DESTINATION ${QUENVO_INSTALL_DIR}/Config)
