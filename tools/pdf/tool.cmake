# vetrinalia-pdf: a whole flyer archive to one PDF, with the printed page's template and renderer.
add_executable(vetrinalia-pdf "${CMAKE_SOURCE_DIR}/tools/pdf/main.cpp")
target_link_libraries(vetrinalia-pdf PRIVATE vetrinalia_core)
set_target_properties(vetrinalia-pdf PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${VETRINALIA_PROGRAM_DIR}")
install(TARGETS vetrinalia-pdf RUNTIME DESTINATION "${VETRINALIA_INSTALL_DIR}")
