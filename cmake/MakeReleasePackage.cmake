# cmake -DPROGRAM=<tarumo2.exe> -DGLYPHS=<glyph library> -DRELEASE_FILES=<folder>
#       -DSTAGING=<folder> -DTOP=<name> -DZIP=<file> -P MakeReleasePackage.cmake
# Lays the release out in STAGING/TOP (the program, readme.txt and Date.dat from RELEASE_FILES,
# the glyph folders without the files that only keep empty folders in git) and zips that folder
# into ZIP. Run it in a UTF-8 locale: the glyph files have Japanese names.
set(top "${STAGING}/${TOP}")
file(REMOVE_RECURSE "${STAGING}")
file(MAKE_DIRECTORY "${top}")
file(COPY "${PROGRAM}" "${RELEASE_FILES}/readme.txt" "${RELEASE_FILES}/Date.dat"
  DESTINATION "${top}")
foreach(folder ext low up data)
  file(COPY "${GLYPHS}/${folder}" DESTINATION "${top}" PATTERN ".gitkeep" EXCLUDE)
endforeach()

file(REMOVE "${ZIP}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${ZIP}" --format=zip -- "${TOP}"
  WORKING_DIRECTORY "${STAGING}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${ZIP}")
  message(FATAL_ERROR "could not write ${ZIP}")
endif()
