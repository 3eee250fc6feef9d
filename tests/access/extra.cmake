# The access tests run the password-file tool as it is built, and look at the password
# file it lays out in the build's program folder.
if(TARGET tst_access AND TARGET vetrinalia-password)
  add_dependencies(tst_access vetrinalia-password vetrinalia_password_file)
  target_compile_definitions(tst_access PRIVATE
      VETRINALIA_PASSWORD_TOOL="$<TARGET_FILE:vetrinalia-password>")
endif()

# A libFuzzer target for the INI reader and writer and the decoder, built when the
# compiler is Clang and VETRINALIA_FUZZ is on. Its sources are compiled into it so that
# the fuzzer sees their coverage.
if(VETRINALIA_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_executable(fuzz_access
      "${CMAKE_CURRENT_LIST_DIR}/fuzz/AccessFuzz.cpp"
      "${CMAKE_SOURCE_DIR}/src/access/IniFile.cpp"
      "${CMAKE_SOURCE_DIR}/src/access/Crypt.cpp")
  target_link_libraries(fuzz_access PRIVATE vetrinalia_settings Qt6::Core)
  target_compile_options(fuzz_access PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_access PRIVATE -fsanitize=fuzzer,address,undefined)
endif()
