# cmake -DZIP=<file> -DFOLDER=<folder> -DUNZIP=<unzip> -P Unzip.cmake
# Unzips the release package into FOLDER, made afresh, as a user would, and puts a config.ini
# beside the program that has the first-run question answered (no automatic release check).
# unzip keeps the UTF-8 names of the archive only in a UTF-8 locale.
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 "${UNZIP}" -q "${ZIP}" -d "${FOLDER}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "unzip ${ZIP} failed: ${result}")
endif()
file(GLOB programs "${FOLDER}/*/tarumo2.exe")
list(LENGTH programs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "${ZIP} holds no folder with tarumo2.exe: ${programs}")
endif()
get_filename_component(program_folder "${programs}" DIRECTORY)
file(WRITE "${program_folder}/config.ini" "[CONFIG]\r\nAutoUpdate=0\r\n")
