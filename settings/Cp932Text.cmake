# cmake -DINPUT=<UTF-8 text> -DOUTPUT=<file> -DICONV=<iconv> -P Cp932Text.cmake
# Writes INPUT as code page 932 with CR LF line ends. A character that code page 932 cannot
# hold fails the build.
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.crlf" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${OUTPUT}.crlf"
  OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE result ERROR_VARIABLE error)
file(REMOVE "${OUTPUT}.crlf")
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${INPUT} does not fit code page 932: ${error}")
endif()
