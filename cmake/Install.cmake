# What `cmake --install` and the Debian package hold. The programs find their databases beside
# their own real path, so the tree under lib/quillon keeps the build's layout:
#   lib/quillon/Quillon, lib/quillon/manual.html, lib/quillon/Quake2/quillon2, lib/quillon/Quake2/*.db
# and bin/ holds relative links to the two programs. Nothing in the tree is written at run time:
# settings live under $XDG_CONFIG_HOME.
include(GNUInstallDirs)
set(QUILLON_INSTALL_DIR lib/quillon)

install(TARGETS Quillon RUNTIME DESTINATION ${QUILLON_INSTALL_DIR})
install(TARGETS quillon2 RUNTIME DESTINATION ${QUILLON_INSTALL_DIR}/Quake2)
file(GLOB QUILLON_INSTALLED_DATABASES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/Quake2/*.db)
install(FILES ${QUILLON_INSTALLED_DATABASES} DESTINATION ${QUILLON_INSTALL_DIR}/Quake2)
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.html DESTINATION ${QUILLON_INSTALL_DIR})

# The links in bin/ are made here once and installed as links.
set(QUILLON_LINK_DIR ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${QUILLON_LINK_DIR})
file(CREATE_LINK ../${QUILLON_INSTALL_DIR}/Quillon ${QUILLON_LINK_DIR}/quillon SYMBOLIC)
file(CREATE_LINK ../${QUILLON_INSTALL_DIR}/Quake2/quillon2 ${QUILLON_LINK_DIR}/quillon2 SYMBOLIC)
install(FILES ${QUILLON_LINK_DIR}/quillon ${QUILLON_LINK_DIR}/quillon2 DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages, compressed as the system keeps them.
find_program(QUILLON_GZIP gzip)
if(QUILLON_GZIP)
  set(QUILLON_MAN_PAGES)
  foreach(page quillon.1 quillon2.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${QUILLON_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
      DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page})
    list(APPEND QUILLON_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
  endforeach()
  add_custom_target(quillon_man_pages ALL DEPENDS ${QUILLON_MAN_PAGES})
  install(FILES ${QUILLON_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/docs/man/quillon.1 ${PROJECT_SOURCE_DIR}/docs/man/quillon2.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillon-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quillon.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)

# The package's history, in the Debian format, with the version of this build.
set(QUILLON_PACKAGE_CONTACT "Quillon developers <quillon-devel@example.org>"
    CACHE STRING "Maintainer of the Debian package: name <address>")
set(QUILLON_PACKAGE_VERSION ${PROJECT_VERSION})
if(QUILLON_PRERELEASE)
  string(APPEND QUILLON_PACKAGE_VERSION "~beta")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
if(QUILLON_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${QUILLON_GZIP} -9 -n -c ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/changelog)
  add_custom_target(quillon_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
endif()

# `cpack -G DEB` in the build folder (tools/package.sh) makes quillon_VERSION_ARCH.deb. It builds
# only what it installs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
set(CPACK_PACKAGE_CONTACT "${QUILLON_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${QUILLON_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diagnostics for Quake 2 level sources (.map files)")
# The long description, in lines short enough for the package tools.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillon reads a Quake 2 .map file and writes a plain-text report of the\n"
  "problems that would stop the map compiler, crash the game or quietly\n"
  "break the level's logic, each with the entity, brush and face concerned.\n"
  "It also counts the models, sounds and images each skill level makes the\n"
  "game load, lists entities and used files, and writes a .lin point file\n"
  "that traces faulty brushes for a level editor.\n"
  "\n"
  "Quillon has dialogs (Qt 6) and runs a whole report from the command line\n"
  "without a display; the console checker quillon2 does the checking.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
