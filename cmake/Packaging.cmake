# The installed files (install rules) and the Debian package built from
# them by CPack (scripts/package). Desktop integration lives in share/linux.
set(ZORVIK_SHARE ${PROJECT_SOURCE_DIR}/share/linux)
set(ZORVIK_GENERATED ${PROJECT_BINARY_DIR}/share)

# The programs linked for the installed layout (ZORVIK_PACKAGED_PROGRAM_DIR).
install(TARGETS zorvik-cli_packaged RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ZORVIK_BUILD_GUI)
    install(TARGETS zorvik_packaged RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS zorvik_archiver LIBRARY DESTINATION ${ZORVIK_INSTALL_PLUGIN_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/src/plugins/archiver/DLLinfo.ini
    DESTINATION ${ZORVIK_INSTALL_PLUGIN_DIR})

# Menu entry, AppStream data and icon, all under the one id.
install(FILES ${ZORVIK_SHARE}/${ZORVIK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${ZORVIK_SHARE}/${ZORVIK_APP_ID}.metainfo.xml.in
    ${ZORVIK_GENERATED}/${ZORVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ZORVIK_GENERATED}/${ZORVIK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZORVIK_SHARE}/icons/${ZORVIK_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
    install(FILES ${ZORVIK_SHARE}/icons/${ZORVIK_APP_ID}-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${ZORVIK_APP_ID}.png)
endforeach()

# Manual pages and the changelog, compressed as Debian wants them.
function(zorvik_gzipped source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source} VERBATIM)
endfunction()
configure_file(${ZORVIK_SHARE}/changelog ${ZORVIK_GENERATED}/changelog @ONLY)
configure_file(${ZORVIK_SHARE}/copyright ${ZORVIK_GENERATED}/copyright @ONLY)
zorvik_gzipped(${ZORVIK_GENERATED}/changelog ${ZORVIK_GENERATED}/changelog.gz)
set(ZORVIK_PAGES "")
foreach(page zorvik.1 zorvik-cli.1)
    zorvik_gzipped(${ZORVIK_SHARE}/man/${page} ${ZORVIK_GENERATED}/${page}.gz)
    list(APPEND ZORVIK_PAGES ${ZORVIK_GENERATED}/${page}.gz)
endforeach()
add_custom_target(zorvik_documents ALL DEPENDS ${ZORVIK_PAGES} ${ZORVIK_GENERATED}/changelog.gz)
install(FILES ${ZORVIK_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZORVIK_GENERATED}/copyright ${ZORVIK_GENERATED}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zorvik developers <developers@zorvik.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of M.U.G.E.N fighting-game characters")
# The long description only: CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zorvik lists a folder of M.U.G.E.N characters (folders and .zip, .7z
and .rar archives), reads each character's .def file into a catalogue,
takes a portrait out of its sprite file, and lets the user search, sort
and edit the catalogue and start the engine with two characters.
zorvik-cli works on the same catalogue from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for a game's files, not a game: its programs live in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZORVIK_HOMEPAGE})
# The dependencies are read off the binaries, never written by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${ZORVIK_INSTALL_PLUGIN_DIR})
# What a window needs beyond the libraries: the display plug-ins, image
# formats such as TIFF, and a Japanese font for the captions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
