# The release package: build/<preset>/tarumo2-<version>-win64.zip, the program as a user gets
# it. Everything lies under one folder tarumo2-<version>/, so that unzipping it anywhere gives
# one folder that holds tarumo2.exe, readme.txt, Date.dat and the glyph library's folders ext,
# low, up and data. Made by the target `package`, which the default build makes too.

set(TARUMO_PACKAGE_TOP tarumo2-${PROJECT_VERSION})
set(TARUMO_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${TARUMO_PACKAGE_TOP}-win64.zip)

file(GLOB_RECURSE package_glyph_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/glyphs/*)
# The archive's names are UTF-8 and marked so, which needs a UTF-8 locale whatever the
# build's own.
add_custom_command(OUTPUT ${TARUMO_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
          ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:tarumo2> -DGLYPHS=${PROJECT_SOURCE_DIR}/glyphs
          -DRELEASE_FILES=${TARUMO_RELEASE_FILES_DIR} -DSTAGING=${CMAKE_BINARY_DIR}/package
          -DTOP=${TARUMO_PACKAGE_TOP} -DZIP=${TARUMO_PACKAGE_ZIP}
          -P ${CMAKE_CURRENT_LIST_DIR}/MakeReleasePackage.cmake
  DEPENDS tarumo2 ${package_glyph_files}
          ${TARUMO_RELEASE_FILES_DIR}/readme.txt ${TARUMO_RELEASE_FILES_DIR}/Date.dat
          ${CMAKE_CURRENT_LIST_DIR}/MakeReleasePackage.cmake
  COMMENT "Packing ${TARUMO_PACKAGE_TOP}-win64.zip")
add_custom_target(package ALL DEPENDS ${TARUMO_PACKAGE_ZIP})
add_dependencies(package tarumo_release_files)
