# The desktop entry and the AppStream data as they are built, and the probe that the
# package test (tests/package/check-package, in scripts/test's full run) loads into the
# program started by the launcher, to see it reach the login window.
add_library(vetrinalia_probe SHARED "${CMAKE_CURRENT_LIST_DIR}/StartupProbe.cpp")
target_link_libraries(vetrinalia_probe PRIVATE Qt6::Widgets)
set_target_properties(vetrinalia_probe PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/package")

add_test(NAME desktop_entry
         COMMAND desktop-file-validate "${CMAKE_SOURCE_DIR}/packaging/vetrinalia.desktop")
add_test(NAME appstream_data
         COMMAND appstreamcli validate --no-net --pedantic
                 "${VETRINALIA_PACKAGING_DIR}/org.example.vetrinalia.metainfo.xml")
