# Desktop integration (launcher, menu entry, icons, AppStream data) and the Debian package.
# The files are made in every build, so that the tests can check them; they are installed
# only in the system layout, from which `cpack -G DEB` makes the package.
set(VETRINALIA_PACKAGING_DIR "${CMAKE_BINARY_DIR}/packaging")
set(packaging_source "${CMAKE_SOURCE_DIR}/packaging")

configure_file("${packaging_source}/org.example.vetrinalia.metainfo.xml.in"
               "${VETRINALIA_PACKAGING_DIR}/org.example.vetrinalia.metainfo.xml" @ONLY)
execute_process(COMMAND date -u -R -d "${VETRINALIA_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE VETRINALIA_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file("${packaging_source}/changelog.in" "${VETRINALIA_PACKAGING_DIR}/changelog" @ONLY)

# Compressed the Debian way: no name or time stamp in the gzip header.
set(packaging_gzipped)
foreach(page IN ITEMS "${VETRINALIA_PACKAGING_DIR}/changelog" "${packaging_source}/vetrinalia.1")
  get_filename_component(page_name "${page}" NAME)
  set(gzipped "${VETRINALIA_PACKAGING_DIR}/${page_name}.gz")
  add_custom_command(
      OUTPUT "${gzipped}"
      COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip "${page}" "${gzipped}"
      DEPENDS "${page}"
      VERBATIM)
  list(APPEND packaging_gzipped "${gzipped}")
endforeach()

# The hicolor theme's PNG sizes, rendered from the one SVG icon.
set(VETRINALIA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_pngs)
foreach(size IN LISTS VETRINALIA_ICON_SIZES)
  list(APPEND icon_pngs "${VETRINALIA_PACKAGING_DIR}/icons/${size}x${size}/apps/vetrinalia.png")
endforeach()
add_custom_command(
    OUTPUT ${icon_pngs}
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
            "$<TARGET_FILE:vetrinalia-icons>" "${packaging_source}/vetrinalia.svg"
            "${VETRINALIA_PACKAGING_DIR}/icons" ${VETRINALIA_ICON_SIZES}
    DEPENDS vetrinalia-icons "${packaging_source}/vetrinalia.svg"
    COMMENT "Rendering the desktop icon"
    VERBATIM)
add_custom_target(vetrinalia_packaging_files ALL DEPENDS ${icon_pngs} ${packaging_gzipped})

if(NOT VETRINALIA_SYSTEM_LAYOUT)
  return()
endif()

install(PROGRAMS "${packaging_source}/vetrinalia.sh" DESTINATION "${CMAKE_INSTALL_BINDIR}" RENAME vetrinalia)
install(FILES "${packaging_source}/vetrinalia.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VETRINALIA_PACKAGING_DIR}/org.example.vetrinalia.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${packaging_source}/vetrinalia.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(DIRECTORY "${VETRINALIA_PACKAGING_DIR}/icons/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
install(FILES "${packaging_source}/copyright" "${VETRINALIA_PACKAGING_DIR}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/vetrinalia")
install(FILES "${VETRINALIA_PACKAGING_DIR}/vetrinalia.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
# Stripped as dh_strip does it: the compiler's notes go as well.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program IN ITEMS ${VETRINALIA_INSTALL_DIR}/vetrinalia ${VETRINALIA_INSTALL_DIR}/vetrinalia-pdf
                             ${CMAKE_INSTALL_LIBEXECDIR}/vetrinalia/vetrinalia-avviso)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vetrinalia)
set(CPACK_PACKAGE_VENDOR "Studio Vetrinalia")
set(CPACK_PACKAGE_CONTACT "Studio Vetrinalia <vetrinalia@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "volantini delle offerte del negozio, pronti da stampare")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vetrinalia compone, archivia, mostra in anteprima e stampa su carta A4 i
volantini delle offerte di negozi e piccole attività. Ogni pagina porta otto
riquadri di prodotto con foto, nome, aspetto, caratteristiche, codice articolo
e prezzo. L'accesso è protetto da una password.

Ogni utente ha la sua cartella ~/Vetrinalia con volantini, foto e password:
copiarla basta come copia di sicurezza.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vetrinalia.example.org")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The Qt libraries (with their platform, image and print plugins) come from the programs'
# own links; the data the program loads by name is named here: the Italian texts of Qt's
# dialogs and the fonts that stand in for Arial, Courier New and Verdana.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
# Opens the guide and the web links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
