# Further test targets that are not one-per-folder Qt Test executables: every
# tests/<name>/extra.cmake is included (fuzzers, multi-process tests).
file(GLOB VETRINALIA_EXTRA_TEST_FILES CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*/extra.cmake")
foreach(extra_file IN LISTS VETRINALIA_EXTRA_TEST_FILES)
  include("${extra_file}")
endforeach()
