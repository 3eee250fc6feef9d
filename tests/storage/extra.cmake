# A second process that saves pages, for the tests of two copies sharing one archive.
add_executable(archive_writer "${CMAKE_CURRENT_LIST_DIR}/writer/ArchiveWriter.cpp")
target_link_libraries(archive_writer PRIVATE vetrinalia_core)
add_dependencies(tst_storage_core archive_writer)
target_compile_definitions(tst_storage_core PRIVATE ARCHIVE_WRITER="$<TARGET_FILE:archive_writer>")
