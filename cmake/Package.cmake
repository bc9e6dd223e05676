# The Debian package of the whole suite, made by CPack from this build tree:
#   cd build && cpack            (or: bash scripts/package.sh)
# writes build/mipo-suite_<version>_<arch>.deb. It holds what `cmake --install --strip` puts under
# /usr (see Install.cmake), but the launchers in /usr/games, plus the copyright file and the Debian changelog
# in /usr/share/doc/mipo-suite/. The libraries it needs are read off the programs by
# dpkg-shlibdeps (dpkg-dev); what they load at run time without linking it is named below.
#
# Include after Install.cmake.

set(SUITE_PACKAGE_NAME ${SUITE_INSTALL_NAME})
set(SUITE_PACKAGE_MAINTAINER "Mipo suite developers <mipo-suite@zorvik.example.com>")
set(SUITE_PACKAGE_SOURCE ${CMAKE_CURRENT_LIST_DIR}/package)
set(SUITE_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package)

# The Debian changelog goes in the package only (its component is left out of a plain
# `cmake --install`); the copyright file is part of every install (Install.cmake).
configure_file(${SUITE_PACKAGE_SOURCE}/changelog.in ${SUITE_PACKAGE_STAGE}/changelog @ONLY)
add_custom_command(
  OUTPUT ${SUITE_PACKAGE_STAGE}/changelog.gz
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${SUITE_PACKAGE_STAGE}/changelog ${SUITE_PACKAGE_STAGE}/changelog.gz
  DEPENDS ${SUITE_PACKAGE_STAGE}/changelog
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(suite_package_changelog ALL DEPENDS ${SUITE_PACKAGE_STAGE}/changelog.gz)
install(FILES ${SUITE_PACKAGE_STAGE}/changelog.gz DESTINATION share/doc/${SUITE_PACKAGE_NAME}
  COMPONENT debian EXCLUDE_FROM_ALL)
# The programs under /usr keep the users' files in their homes, even when root plays
# (platform/files/data_folder.h), so that removing the package leaves nothing behind.
install(FILES ${SUITE_PACKAGE_SOURCE}/keep-data-per-user DESTINATION ${SUITE_INSTALL_DIR}
  COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SUITE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${SUITE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "whack-a-seal game with a desktop companion and small tools")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Mipo Pokan 2000 is a whack-a-mole game in a narrow window: baby seals and now
and then a white yeti come out of nine ice holes, and you have twenty seconds
to strike the seals with the mouse or the numeric keypad. The best ten results
are kept with your name.
.
Between games the window is a desktop companion whose icons start the other
programs of the suite: the diary notepad Memolu 2k, the web browser Picoron,
the counter-clockwise clock Kururito and the blank screen Yomino.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zorvik.example.com/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 0)
set(CPACK_PROJECT_CONFIG_FILE ${SUITE_PACKAGE_SOURCE}/cpack_project.cmake)

# Installed under /usr with DESTDIR, so that the menu entries name /usr/bin/..., not the folder
# CPack stages the files in.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
# The suite, its launchers in games/ and its Debian changelog; not the list of files a prefix keeps
# for scripts/uninstall.sh (dpkg keeps its own).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)

# Linked libraries come from dpkg-shlibdeps. Loaded at run time instead: the Japanese UI font and the
# Japanese texts of Qt's own dialogs. The browser's web engine process (libqt6webenginecore6-bin) is
# named by the web engine library's own symbols file, so dpkg-shlibdeps adds it, with its version;
# naming it here too would name it twice (the install test checks it is there, once).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# xdg-open for the home-page launcher (without it the page just does not open); Qt's Wayland
# platform for QT_QPA_PLATFORM=wayland (the programs run through XWayland otherwise).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
