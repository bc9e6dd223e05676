# `cmake --install <build> --prefix P` puts the suite where a desktop finds it:
#
#   P/lib/mipo-suite/                  the program folder, whole: every program beside bmp/, wav/,
#                                      cg/, the comment files, the histories and the start page
#   P/bin/mipo-*                       one launcher per program a user starts directly
#   P/share/applications/<id>.desktop  menu entries, in English and Japanese
#   P/share/icons/hicolor/NxN/apps/    the programs' icons, drawn by assetgen
#   P/share/metainfo/                  the game's AppStream description
#   P/share/doc/mipo-suite/copyright
#   P/lib/mipo-suite/install_manifest.txt  what this prefix received, for scripts/uninstall.sh
#
# The Debian package (Package.cmake) holds the same with the launchers in games/ instead.
# Include after every program's folder, so that the programs' targets exist.

set(SUITE_INSTALL_NAME mipo-suite)
set(SUITE_INSTALL_DIR lib/${SUITE_INSTALL_NAME})
set(SUITE_APP_ID_PREFIX com.example.zorvik)  # the maker's home, zorvik.example.com, reversed
set(SUITE_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(SUITE_DESKTOP_SOURCE ${CMAKE_CURRENT_LIST_DIR}/desktop)
set(SUITE_DESKTOP_STAGE ${CMAKE_BINARY_DIR}/desktop)

# The program folder. Score, settings and their half-written temporary files belong to whoever
# played in the build tree, not to the users of the installed suite: they are left out, and every
# program starts from its defaults.
get_property(suite_program_files GLOBAL PROPERTY SUITE_PROGRAM_FILES)
set(suite_not_installed)
foreach(pattern ${suite_program_files} score.ini* config.csv* mlz_config.ini*)
  list(APPEND suite_not_installed PATTERN ${pattern} EXCLUDE)
endforeach()
install(DIRECTORY ${SUITE_DIR}/ DESTINATION ${SUITE_INSTALL_DIR}
  USE_SOURCE_PERMISSIONS ${suite_not_installed})
# The programs themselves go in as targets, so that `cmake --install --strip` strips them.
get_property(suite_programs GLOBAL PROPERTY SUITE_PROGRAMS)
install(TARGETS ${suite_programs} RUNTIME DESTINATION ${SUITE_INSTALL_DIR})

# suite_desktop_program(<target> LAUNCHER <name> ID <desktop id without prefix> ICON <assetgen icon>
#   NAME <en> NAME_JA <ja> GENERIC <en> GENERIC_JA <ja> COMMENT <en> COMMENT_JA <ja>
#   KEYWORDS <a|b> KEYWORDS_JA <a|b> CATEGORIES <A|B>)
# A launcher in bin/ (games/ in the Debian package), a menu entry and the icons for one program. Lists are separated by "|".
# Leaves out a program this build tree does not have (the browser without Qt WebEngine).
set(suite_icon_pairs)
function(suite_desktop_program target)
  cmake_parse_arguments(E "" "LAUNCHER;ID;ICON;NAME;NAME_JA;GENERIC;GENERIC_JA;COMMENT;COMMENT_JA;KEYWORDS;KEYWORDS_JA;CATEGORIES" "" ${ARGN})
  if(NOT TARGET ${target})
    return()
  endif()
  get_target_property(PROGRAM_FILE ${target} OUTPUT_NAME)
  if(NOT PROGRAM_FILE)
    set(PROGRAM_FILE ${target})
  endif()
  set(LAUNCHER_NAME ${E_LAUNCHER})
  set(ENTRY_ID ${SUITE_APP_ID_PREFIX}.${E_ID})
  foreach(field NAME NAME_JA GENERIC GENERIC_JA COMMENT COMMENT_JA)
    set(ENTRY_${field} "${E_${field}}")
  endforeach()
  foreach(field KEYWORDS KEYWORDS_JA CATEGORIES)
    string(REPLACE "|" ";" value "${E_${field}}")
    set(ENTRY_${field} "${value};")
  endforeach()

  # The entry names its launcher by absolute path, so it works from any prefix, on PATH or
  # not; the path is only known once `cmake --install` is given its prefix.
  set(launcher ${SUITE_DESKTOP_STAGE}/bin/${LAUNCHER_NAME})
  set(staged ${SUITE_DESKTOP_STAGE}/${ENTRY_ID}.desktop.in)
  configure_file(${SUITE_DESKTOP_SOURCE}/launcher.sh.in ${launcher} @ONLY)
  configure_file(${SUITE_DESKTOP_SOURCE}/entry.desktop.in ${staged} @ONLY)
  set(entry_code "
    set(ENTRY_STAGED \"${staged}\")
    set(ENTRY_FILE ${ENTRY_ID}.desktop)
    include(\"${SUITE_DESKTOP_SOURCE}/install_entry.cmake\")")
  # A plain install puts the launchers in bin/; the Debian package (Package.cmake), in games/,
  # where Debian keeps the games.
  install(PROGRAMS ${launcher} DESTINATION bin COMPONENT launchers)
  install(CODE "set(LAUNCHER_DIR bin) ${entry_code}" COMPONENT launchers)
  install(PROGRAMS ${launcher} DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
  install(CODE "set(LAUNCHER_DIR games) ${entry_code}" COMPONENT debian EXCLUDE_FROM_ALL)

  # Its manual page, in the package beside the launcher (section 6, games and toys).
  string(TOUPPER ${LAUNCHER_NAME} MAN_TITLE)
  string(TOLOWER "${E_GENERIC}" MAN_WHATIS)
  set(page ${SUITE_DESKTOP_STAGE}/man/${LAUNCHER_NAME}.6)
  configure_file(${SUITE_DESKTOP_SOURCE}/launcher.6.in ${page} @ONLY)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${page} ${page}.gz
    DEPENDS ${page}
    VERBATIM)
  add_custom_target(suite_man_${LAUNCHER_NAME} ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION share/man/man6 COMPONENT debian EXCLUDE_FROM_ALL)

  set(suite_icon_pairs ${suite_icon_pairs} ${E_ICON}:${ENTRY_ID} PARENT_SCOPE)
endfunction()

suite_desktop_program(mpkx_v1081dx7 LAUNCHER mipo-pokan ID MipoPokan ICON pokan
  NAME "Mipo Pokan 2000" NAME_JA "ミポぽかん｡2000"
  GENERIC "Whack-a-seal game" GENERIC_JA "もぐらたたきゲーム"
  COMMENT "Strike the baby seals as they pop out of the ice holes"
  COMMENT_JA "氷の穴から顔を出すミポをたたくゲームとデスクトップのおとも"
  KEYWORDS "whack-a-mole|seal|mipo|pokan" KEYWORDS_JA "もぐらたたき|ミポ|アザラシ"
  CATEGORIES "Game|ArcadeGame")
suite_desktop_program(mpkx_v1080dx7 LAUNCHER mipo-pokan-earlier ID MipoPokanEarlier ICON pokan_earlier
  NAME "Mipo Pokan 2000 (1.0.81)" NAME_JA "ミポぽかん｡2000 (1.0.81)"
  GENERIC "Whack-a-seal game" GENERIC_JA "もぐらたたきゲーム"
  COMMENT "The earlier build 1.0.81 of Mipo Pokan 2000"
  COMMENT_JA "ミポぽかん｡2000 の前の版 1.0.81"
  KEYWORDS "whack-a-mole|seal|mipo|pokan" KEYWORDS_JA "もぐらたたき|ミポ|アザラシ"
  CATEGORIES "Game|ArcadeGame")
suite_desktop_program(memolu_v1001 LAUNCHER mipo-memolu ID Memolu ICON memolu
  NAME "Memolu 2k" NAME_JA "メモルー 2k"
  GENERIC "Diary notepad" GENERIC_JA "日記メモ帳"
  COMMENT "Write your diary in plain text" COMMENT_JA "テキストで日記を書くメモ帳"
  KEYWORDS "diary|notepad|text" KEYWORDS_JA "日記|メモ帳|テキスト"
  CATEGORIES "Utility|TextEditor")
suite_desktop_program(brovu_v1000 LAUNCHER mipo-brovu ID Picoron ICON brovu
  NAME "Picoron" NAME_JA "ぴころん"
  GENERIC "Web browser" GENERIC_JA "ウェブブラウザ"
  COMMENT "A small web browser that opens the suite's start page"
  COMMENT_JA "スタートページを開く小さなウェブブラウザ"
  KEYWORDS "browser|web|internet" KEYWORDS_JA "ブラウザ|ウェブ|インターネット"
  CATEGORIES "Network|WebBrowser")
suite_desktop_program(kururito LAUNCHER mipo-kururito ID Kururito ICON kururito
  NAME "Kururito" NAME_JA "クルリトでも"
  GENERIC "Clock" GENERIC_JA "時計"
  COMMENT "A clock that marks the seconds counter-clockwise"
  COMMENT_JA "秒を反時計回りに刻む時計"
  KEYWORDS "clock|time" KEYWORDS_JA "時計|時刻"
  CATEGORIES "Utility|Clock")
suite_desktop_program(yomino02 LAUNCHER mipo-yomino ID Yomino ICON yomino
  NAME "Yomino Blank Screen" NAME_JA "まっくら画面 yomino"
  GENERIC "Blank screen" GENERIC_JA "画面を暗くする"
  COMMENT "Blacks out the screen until a key, a click or a mouse move"
  COMMENT_JA "キーかクリックかマウスを動かすまで画面を真っ黒にします"
  KEYWORDS "blank|screen saver|black" KEYWORDS_JA "スクリーンセーバー|画面|黒"
  CATEGORIES "Utility")

# The icons: assetgen draws each program's badge at every size of the hicolor theme.
set(suite_icon_outputs)
foreach(pair IN LISTS suite_icon_pairs)
  string(REGEX REPLACE "^[^:]*:" "" id ${pair})
  foreach(size IN LISTS SUITE_ICON_SIZES)
    list(APPEND suite_icon_outputs ${SUITE_DESKTOP_STAGE}/icons/${size}x${size}/apps/${id}.png)
  endforeach()
endforeach()
if(TARGET assetgen)
  add_custom_command(
    OUTPUT ${suite_icon_outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:assetgen>
            desktop-icons ${SUITE_DESKTOP_STAGE}/icons ${SUITE_ICON_SIZES} -- ${suite_icon_pairs}
    DEPENDS assetgen
    COMMENT "Drawing the programs' desktop icons"
    VERBATIM)
  add_custom_target(suite_desktop_icons ALL DEPENDS ${suite_icon_outputs})
  install(DIRECTORY ${SUITE_DESKTOP_STAGE}/icons/ DESTINATION share/icons/hicolor)
endif()

# The game's AppStream description, for software centres.
if(TARGET mpkx_v1081dx7)
  set(SUITE_VERSION ${PROJECT_VERSION})
  configure_file(${SUITE_DESKTOP_SOURCE}/game.metainfo.xml.in
                 ${SUITE_DESKTOP_STAGE}/${SUITE_APP_ID_PREFIX}.MipoPokan.metainfo.xml @ONLY)
  install(FILES ${SUITE_DESKTOP_STAGE}/${SUITE_APP_ID_PREFIX}.MipoPokan.metainfo.xml DESTINATION share/metainfo)
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/package/copyright DESTINATION share/doc/${SUITE_INSTALL_NAME})

# Last of all, the prefix keeps its own list of what was installed into it, for
# scripts/uninstall.sh <prefix>: paths relative to the prefix, this list the last line, added to
# what an earlier install there listed. (The build tree's install_manifest.txt names only the
# latest install from that tree, whatever its prefix; a package has dpkg's list instead.)
set(suite_list_code [[
  set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(list_file "${root}/@SUITE_INSTALL_DIR@/install_manifest.txt")
  set(listed)
  if(EXISTS "${list_file}")
    file(READ "${list_file}" listed)
    string(STRIP "${listed}" listed)
    string(REPLACE "\n" ";" listed "${listed}")
  endif()
  foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    file(RELATIVE_PATH relative "${root}" "${file}")
    list(APPEND listed "${relative}")
  endforeach()
  list(REMOVE_ITEM listed "@SUITE_INSTALL_DIR@/install_manifest.txt")
  list(REMOVE_DUPLICATES listed)
  list(APPEND listed "@SUITE_INSTALL_DIR@/install_manifest.txt")
  list(JOIN listed "\n" text)
  message(STATUS "Installing: ${list_file}")
  file(WRITE "${list_file}" "${text}\n")
  file(CHMOD "${list_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${list_file}")
]])
string(CONFIGURE "${suite_list_code}" suite_list_code @ONLY)
install(CODE "${suite_list_code}" COMPONENT prefix_manifest)
