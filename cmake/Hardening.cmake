# The hardening Debian builds its own packages with, for every program, test and package of the suite:
# position-independent executables, the stack protector, _FORTIFY_SOURCE, format checks, full RELRO
# with bind-now. The flags are read from dpkg-buildflags when it is there (so each release's own choice
# is taken: Debian 13 adds stack-clash and control-flow protection and fortify level 3), and only the
# hardening ones: what hardening=+all adds over hardening=-all. Without dpkg-buildflags, the same set
# as Debian 12's. SUITE_HARDENING=OFF leaves the compiler's defaults.
#
# Include before the first target.

option(SUITE_HARDENING "Build with Debian's hardening flags" ON)
if(NOT SUITE_HARDENING)
  return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# suite_dpkg_flags(<out> <CPPFLAGS|CXXFLAGS|LDFLAGS> <hardening setting>)
function(suite_dpkg_flags out kind setting)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=${setting} ${SUITE_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

find_program(SUITE_DPKG_BUILDFLAGS dpkg-buildflags)
if(SUITE_DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    suite_dpkg_flags(with ${kind} +all)
    suite_dpkg_flags(without ${kind} -all)
    if(without)
      list(REMOVE_ITEM with ${without})
    endif()
    set(hardening_${kind} ${with})
  endforeach()
else()
  set(hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
  set(hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
  set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()

# _FORTIFY_SOURCE needs the optimiser: a Debug build (-O0) would only get the C library's warning.
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
  list(FILTER hardening_CPPFLAGS EXCLUDE REGEX "_FORTIFY_SOURCE")
endif()
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
list(JOIN hardening_CPPFLAGS " " cppflags)
list(JOIN hardening_CXXFLAGS " " cxxflags)
list(JOIN hardening_LDFLAGS " " ldflags)
message(STATUS "Hardening: PIE ${cppflags} ${cxxflags}, linked with ${ldflags}")
