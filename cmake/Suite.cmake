# Helpers shared by every program and test of the suite.

# suite_program(<target> OUTPUT_NAME <file name> SOURCES ... LIBS ...)
# Builds a program straight into the program folder.
function(suite_program target)
  cmake_parse_arguments(P "" "OUTPUT_NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${P_SOURCES})
  target_link_libraries(${target} PRIVATE ${P_LIBS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SUITE_DIR})
  set(file ${target})
  if(P_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME "${P_OUTPUT_NAME}")
    set(file "${P_OUTPUT_NAME}")
  endif()
  # Remembered for the install (cmake/Install.cmake).
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${target})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAM_FILES "${file}")
endfunction()

# Every test gets its own throw-away home and XDG folders, never the user's.
function(suite_isolate_test name)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  foreach(sub data config cache runtime)
    file(MAKE_DIRECTORY ${home}/${sub})
  endforeach()
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  # A test that hangs fails after five minutes instead of holding up the whole run. A case that
  # skipped (QtTest's "SKIP   : ", GoogleTest's "[  SKIPPED ]") fails the test: where the tests
  # run, every case runs.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    FAIL_REGULAR_EXPRESSION "SKIP   : ;\\[  SKIPPED \\]"
    ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;QTWEBENGINE_DISABLE_SANDBOX=1;HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/runtime;SUITE_DIR=${SUITE_DIR};SUITE_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# suite_gtest(<name> SOURCES ... LIBS ...): rules tests on GoogleTest.
function(suite_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
  add_test(NAME ${name} COMMAND ${name})
  suite_isolate_test(${name})
endfunction()

# suite_qtest(<name> SOURCES ... LIBS ...): window tests on QtTest, offscreen.
function(suite_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
  add_test(NAME ${name} COMMAND ${name})
  suite_isolate_test(${name})
endfunction()

# suite_add_built_targets(<target> <source folder>): makes <target> depend on every executable
# and library defined in the folder and below it.
function(suite_add_built_targets target dir)
  get_property(defined DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS defined)
    get_target_property(type ${t} TYPE)
    if(type MATCHES "EXECUTABLE|LIBRARY$")
      add_dependencies(${target} ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    suite_add_built_targets(${target} ${sub})
  endforeach()
endfunction()
