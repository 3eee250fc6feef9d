# The help tests also run the guide tool.
add_dependencies(tst_help_core vetrinalia-guide)
target_compile_definitions(tst_help_core PRIVATE VETRINALIA_GUIDE_TOOL="$<TARGET_FILE:vetrinalia-guide>")
