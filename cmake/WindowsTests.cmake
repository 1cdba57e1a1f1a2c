# The Windows test programs: GoogleTest built from the system's sources with the cross
# compiler, and one helper to register a test program. CTest runs them through
# CMAKE_CROSSCOMPILING_EMULATOR (Wine), and asks each for its tests only when testing.

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
# mingw-w64's win32 thread model has no std::mutex, which GoogleTest's Notification needs:
# every user of GoogleTest gets a replacement first.
target_compile_definitions(gtest PUBLIC GTEST_HAS_NOTIFICATION_=1)
target_compile_options(gtest PUBLIC
  "SHELL:-include ${PROJECT_SOURCE_DIR}/tests/win32/GTestNotification.h")
# GoogleTest's own sources are not the program's: they keep UTF-8 literals (the standard
# library's "µs" has no code page 932 form).
target_compile_options(gtest PRIVATE -fexec-charset=UTF-8 -w)
target_compile_options(gtest_main PRIVATE -fexec-charset=UTF-8 -w)

# tarumo_windows_test(<name> [SERIAL] SOURCES <files>... LIBS <targets>...
#                     [PROPERTIES <property> <value>...]): a console test program. SERIAL tests
# share the desktop (focus, keyboard, clipboard) and never run side by side. PROPERTIES go to
# each of its tests (FIXTURES_REQUIRED, ENVIRONMENT).
function(tarumo_windows_test name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set(properties TIMEOUT 120)
  if(ARG_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  list(APPEND properties ${ARG_PROPERTIES})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES ${properties})
endfunction()
