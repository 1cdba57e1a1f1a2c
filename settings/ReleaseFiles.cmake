# The files that ship beside the program: readme.txt (the help file, code page 932 with CR LF)
# and Date.dat (the release's timestamp, which the release check compares with the archive's
# Last-Modified date on the web server).
#
# TARUMO_RELEASE_TIME is that timestamp in GMT, "YYYY-MM-DD HH:MM". For a release, set it to
# the time the release archive gets on the server (or later), so that the installed copy does
# not take its own archive for a newer release. Empty: the time of configuring, in UTC, which
# SOURCE_DATE_EPOCH fixes for reproducible builds.

set(TARUMO_RELEASE_TIME "" CACHE STRING "The release's timestamp in GMT, YYYY-MM-DD HH:MM")
set(TARUMO_RELEASE_FILES_DIR ${CMAKE_BINARY_DIR}/release-files CACHE INTERNAL "")

set(release_time "${TARUMO_RELEASE_TIME}")
if(release_time STREQUAL "")
  string(TIMESTAMP release_time "%Y-%m-%d %H:%M" UTC)
endif()
if(NOT release_time MATCHES "^([0-9]+)-([0-9][0-9]?)-([0-9][0-9]?) ([0-9][0-9]?):([0-9][0-9]?)$")
  message(FATAL_ERROR "TARUMO_RELEASE_TIME must read YYYY-MM-DD HH:MM, not '${release_time}'")
endif()
# math() drops leading zeros: Date.dat holds plain decimal integers.
math(EXPR RELEASE_Y "${CMAKE_MATCH_1}")
math(EXPR RELEASE_MN "${CMAKE_MATCH_2}")
math(EXPR RELEASE_D "${CMAKE_MATCH_3}")
math(EXPR RELEASE_H "${CMAKE_MATCH_4}")
math(EXPR RELEASE_MI "${CMAKE_MATCH_5}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Date.dat.in ${TARUMO_RELEASE_FILES_DIR}/Date.dat
  @ONLY NEWLINE_STYLE CRLF)

find_program(TARUMO_ICONV iconv REQUIRED)
set(readme_source ${PROJECT_SOURCE_DIR}/docs/readme.utf8.txt)
add_custom_command(OUTPUT ${TARUMO_RELEASE_FILES_DIR}/readme.txt
  COMMAND ${CMAKE_COMMAND} -DINPUT=${readme_source} -DOUTPUT=${TARUMO_RELEASE_FILES_DIR}/readme.txt
          -DICONV=${TARUMO_ICONV} -P ${CMAKE_CURRENT_LIST_DIR}/Cp932Text.cmake
  DEPENDS ${readme_source} ${CMAKE_CURRENT_LIST_DIR}/Cp932Text.cmake
  COMMENT "Writing readme.txt in code page 932")
add_custom_target(tarumo_release_files ALL DEPENDS ${TARUMO_RELEASE_FILES_DIR}/readme.txt)

# tarumo_copy_release_files(<target>): puts readme.txt and Date.dat beside the program.
function(tarumo_copy_release_files target)
  add_dependencies(${target} tarumo_release_files)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${TARUMO_RELEASE_FILES_DIR}/readme.txt ${TARUMO_RELEASE_FILES_DIR}/Date.dat
            $<TARGET_FILE_DIR:${target}>)
endfunction()
