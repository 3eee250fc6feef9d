# Every tools/<name>/tool.cmake adds one build-time tool or program beside the main one.
file(GLOB VETRINALIA_TOOL_FILES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tools/*/tool.cmake")
foreach(tool_file IN LISTS VETRINALIA_TOOL_FILES)
  include("${tool_file}")
endforeach()
