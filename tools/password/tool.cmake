# vetrinalia-password: writes the password file of a new installation (the initial
# password, scrambled by the program's own routine) wherever it is missing.
add_executable(vetrinalia-password "${CMAKE_CURRENT_LIST_DIR}/main.cpp")
target_link_libraries(vetrinalia-password PRIVATE vetrinalia_core)
set_target_properties(vetrinalia-password PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")

# The program folder of the build gets the file once; a rebuild keeps a changed password.
add_custom_target(vetrinalia_password_file ALL
    COMMAND vetrinalia-password "${VETRINALIA_PROGRAM_DIR}"
    COMMENT "Password file in the program folder (only where missing)"
    VERBATIM)
add_dependencies(vetrinalia vetrinalia_password_file)

# Every installation writes the file anew with the initial password, also over an existing
# one: reinstalling is what the program advises when the file cannot be read.
install(CODE "
  set(vetrinalia_destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VETRINALIA_INSTALL_DIR}\")
  execute_process(COMMAND \"$<TARGET_FILE:vetrinalia-password>\" --replace \"\${vetrinalia_destination}\"
                  RESULT_VARIABLE vetrinalia_password_result)
  if(NOT vetrinalia_password_result EQUAL 0)
    message(FATAL_ERROR \"Cannot write the password file into \${vetrinalia_destination}\")
  endif()
")
