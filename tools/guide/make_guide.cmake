# Runs the two steps of vetrinalia-guide: the screen pictures may fail (the guide then
# says so where a picture would be), the PDF may not.
# A build with the address sanitizer must not fail on the leak report of a tool run.
set(asan "ASAN_OPTIONS=$ENV{ASAN_OPTIONS}:detect_leaks=0")
file(REMOVE_RECURSE "${SHOTS}")
file(MAKE_DIRECTORY "${SHOTS}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${asan}" "${TOOL}" grab "${SHOTS}"
    RESULT_VARIABLE grab_result
    OUTPUT_VARIABLE grab_output
    ERROR_VARIABLE grab_errors
    TIMEOUT 20)
if(NOT grab_result STREQUAL "0")
  message(WARNING "Guida.pdf: some screens could not be pictured (${grab_result}); the guide goes without them.\n${grab_errors}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${asan}" "${TOOL}" pdf "${SOURCE}" "${SHOTS}" "${OUTPUT}"
    RESULT_VARIABLE pdf_result
    ERROR_VARIABLE pdf_errors
    TIMEOUT 120)
if(NOT pdf_result STREQUAL "0")
  message(FATAL_ERROR "Guida.pdf could not be written (${pdf_result}).\n${pdf_errors}")
endif()
