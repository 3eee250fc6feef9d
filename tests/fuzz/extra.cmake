# libFuzzer targets: a clang-only configuration (scripts/fuzz). Each target is
# tests/fuzz/<name>.cpp, links only vetrinalia_core, keeps its seeds in corpus/<name>/
# and may bring a dictionary <name>.dict.
option(VETRINALIA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND VETRINALIA_FUZZ)
  set(VETRINALIA_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  # The code under test carries coverage counters and the sanitizers as well.
  target_compile_options(vetrinalia_core PRIVATE ${VETRINALIA_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
  target_link_options(vetrinalia_core INTERFACE ${VETRINALIA_FUZZ_FLAGS})

  set(VETRINALIA_FUZZERS)
  function(vetrinalia_add_fuzzer name)
    add_executable(fuzz_${name} "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.cpp")
    target_link_libraries(fuzz_${name} PRIVATE vetrinalia_core)
    target_compile_options(fuzz_${name} PRIVATE ${VETRINALIA_FUZZ_FLAGS} -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE ${VETRINALIA_FUZZ_FLAGS} -fsanitize=fuzzer)
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz")
    set(VETRINALIA_FUZZERS ${VETRINALIA_FUZZERS} ${name} PARENT_SCOPE)
  endfunction()

  # One line per target.
  vetrinalia_add_fuzzer(page_record)
  vetrinalia_add_fuzzer(normalize_price)
  vetrinalia_add_fuzzer(decode_password)
  vetrinalia_add_fuzzer(ini_file)
  vetrinalia_add_fuzzer(photo_header)

  list(TRANSFORM VETRINALIA_FUZZERS PREPEND fuzz_ OUTPUT_VARIABLE fuzz_targets)
  add_custom_target(vetrinalia_fuzzers DEPENDS ${fuzz_targets})
  # The list scripts/fuzz runs, one name a line.
  list(JOIN VETRINALIA_FUZZERS "\n" fuzz_list)
  file(WRITE "${CMAKE_BINARY_DIR}/fuzz/targets.txt" "${fuzz_list}\n")
elseif(VETRINALIA_FUZZ)
  message(WARNING "VETRINALIA_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++); no fuzz targets built")
endif()
