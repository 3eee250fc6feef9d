# Guida.pdf, the user guide in the program folder: docs/guida.html laid out with
# pictures of the program's own screens, rebuilt whenever the guide or the program
# changes.
add_executable(vetrinalia-guide "${CMAKE_SOURCE_DIR}/tools/guide/main.cpp")
target_link_libraries(vetrinalia-guide PRIVATE vetrinalia_app)

set(VETRINALIA_GUIDE_PDF "${VETRINALIA_PROGRAM_DIR}/Guida.pdf")
add_custom_command(
    OUTPUT "${VETRINALIA_GUIDE_PDF}"
    COMMAND "${CMAKE_COMMAND}"
            "-DTOOL=$<TARGET_FILE:vetrinalia-guide>"
            "-DSOURCE=${CMAKE_SOURCE_DIR}/docs/guida.html"
            "-DSHOTS=${CMAKE_BINARY_DIR}/guide-shots"
            "-DOUTPUT=${VETRINALIA_GUIDE_PDF}"
            -P "${CMAKE_SOURCE_DIR}/tools/guide/make_guide.cmake"
    DEPENDS vetrinalia-guide
            "${CMAKE_SOURCE_DIR}/docs/guida.html"
            "${CMAKE_SOURCE_DIR}/tools/guide/make_guide.cmake"
    COMMENT "Writing the user guide Guida.pdf"
    VERBATIM)
add_custom_target(vetrinalia_guide ALL DEPENDS "${VETRINALIA_GUIDE_PDF}")
install(FILES "${VETRINALIA_GUIDE_PDF}" DESTINATION "${VETRINALIA_INSTALL_DIR}")
