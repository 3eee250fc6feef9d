# vetrinalia-avviso: the launcher's error box, for when no program folder can be laid out.
add_executable(vetrinalia-avviso "${CMAKE_CURRENT_LIST_DIR}/main.cpp")
target_link_libraries(vetrinalia-avviso PRIVATE vetrinalia_settings Qt6::Widgets)
set_target_properties(vetrinalia-avviso PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")
if(VETRINALIA_SYSTEM_LAYOUT)
  install(TARGETS vetrinalia-avviso RUNTIME DESTINATION "${CMAKE_INSTALL_LIBEXECDIR}/vetrinalia")
endif()
