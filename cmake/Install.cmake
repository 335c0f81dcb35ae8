# `cmake --install` lays out one application folder, as the build tree's app/
# without its Config folder: installed, the user's files live in the XDG
# folders. Each program and library installs itself there from its own
# folder; the rest of a desktop application's files are installed here.
set(quenvo_packaging ${PROJECT_SOURCE_DIR}/packaging)

# quenvo on the PATH: a relative link, so the package can be unpacked anywhere.
file(RELATIVE_PATH quenvo_link_target /${CMAKE_INSTALL_BINDIR} /${QUENVO_INSTALL_DIR}/quenvo)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${quenvo_link_target} ${CMAKE_BINARY_DIR}/packaging/quenvo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quenvo DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${quenvo_packaging}/${QUENVO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${quenvo_packaging}/${QUENVO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# The session bus starts Quenvo when a launcher hands it files by its name.
install(FILES ${quenvo_packaging}/${QUENVO_APP_ID}.service
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/dbus-1/services)

# The manual page and the changelog go compressed, as Debian keeps them.
set(quenvo_gzipped "")
foreach(file quenvo.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    COMMAND gzip -9n -c ${quenvo_packaging}/${file} > ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    DEPENDS ${quenvo_packaging}/${file}
    COMMENT "Compressing ${file}")
  list(APPEND quenvo_gzipped ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
endforeach()
add_custom_target(quenvo_packaging_files ALL DEPENDS ${quenvo_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/quenvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quenvo_packaging}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quenvo)
install(FILES ${quenvo_packaging}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME quenvo)

# A stripped install (the package) also drops the compiler's note, as
# Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(binary quenvo ravlin libTesso.so libKorrin.so)
      execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUENVO_INSTALL_DIR}/\${binary}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

# The Debian package (scripts/package.sh): build/quenvo_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenvo)
set(CPACK_PACKAGE_VENDOR "Orvane Soft")
set(CPACK_PACKAGE_CONTACT "Orvane Soft <support@orvanesoft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch video converter for portable players and sound files")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quenvo converts a list of video files one after another: into an MP4 video"
  "for a portable media player, or into AAC, M4A or MP3 sound."
  "Files are added with a button or dropped from the file manager. Each one can"
  "be previewed and cut to a segment on a trim bar first. Five quality presets"
  "and any number of named custom profiles set the encoding; progress bars show"
  "each file and the whole batch."
  "The encoder ravlin comes with the program and does the conversion.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvanesoft.example/quenvo/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Depends: the libraries the programs link, which dpkg-shlibdeps finds when
# cpack runs (cmake/PackageDepends.cmake), and what is loaded at run time
# that it can't see, named here: the fonts of the fixed layouts (their
# condensed faces are in the extra package) and, as a recommendation, the
# Wayland platform plugin. The X11 platform plugin ships with libqt6gui6,
# which the linked Qt brings. CPack's own dpkg-shlibdeps call is not used:
# it takes /usr/lib/quenvo for a library folder and adds ldconfig calls.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_QUENVO_BINARIES
  ${QUENVO_APP_DIR}/quenvo ${QUENVO_APP_DIR}/ravlin ${QUENVO_APP_DIR}/libTesso.so ${QUENVO_APP_DIR}/libKorrin.so)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDepends.cmake)
include(CPack)
