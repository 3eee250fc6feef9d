# The help tests also run the guide tool.
add_dependencies(tst_help vetrinalia-guide)
target_compile_definitions(tst_help PRIVATE VETRINALIA_GUIDE_TOOL="$<TARGET_FILE:vetrinalia-guide>")
