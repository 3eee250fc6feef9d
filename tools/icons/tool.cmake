# vetrinalia-icons: renders the desktop icon's SVG into the PNG sizes of the icon theme.
add_executable(vetrinalia-icons "${CMAKE_CURRENT_LIST_DIR}/main.cpp")
target_link_libraries(vetrinalia-icons PRIVATE vetrinalia_settings Qt6::Gui Qt6::Svg)
set_target_properties(vetrinalia-icons PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")
