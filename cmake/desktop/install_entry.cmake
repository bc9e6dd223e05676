# Included by `cmake --install` for one menu entry, with ENTRY_STAGED (the entry as the build
# staged it), ENTRY_FILE (its file name) and LAUNCHER_DIR (bin or games) set. Writes the entry,
# the absolute path of the prefix's launcher filled in, straight into share/applications: nothing
# goes into the build tree, which a root install would leave unwritable for the next build.
get_filename_component(SUITE_BINDIR "${CMAKE_INSTALL_PREFIX}/${LAUNCHER_DIR}" ABSOLUTE)
file(READ "${ENTRY_STAGED}" entry)
string(CONFIGURE "${entry}" entry)
set(entry_path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/${ENTRY_FILE}")
message(STATUS "Installing: ${entry_path}")
file(WRITE "${entry_path}" "${entry}")
file(CHMOD "${entry_path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry_path}")
