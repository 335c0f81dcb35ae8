# `cmake --install` lays out one application folder, as the build tree's app/.
include(GNUInstallDirs)
set(QUENVO_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/quenvo)
install(DIRECTORY DESTINATION ${QUENVO_INSTALL_DIR}/Config)
