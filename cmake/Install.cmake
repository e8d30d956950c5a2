# Installs Velmora like a desktop program: the window and the command-line
# tool, the print module, the help text and the table of other city names,
# the icon in the hicolor theme, the menu entry and the AppStream metainfo,
# at the standard places under the install prefix.
install(TARGETS velmora velmora-chart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velmora_print LIBRARY DESTINATION ${VELMORA_MODULE_INSTALL_DIR}
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/help.txt ${PROJECT_SOURCE_DIR}/data/other-names.tsv
    DESTINATION ${VELMORA_DATA_INSTALL_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
configure_file(${PROJECT_SOURCE_DIR}/data/metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${VELMORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The window reads help.txt from its working directory, so the menu entry
# starts it in the folder of the installed help text. The entry is written
# at install time, when the final prefix is known: `cmake --install --prefix`
# and CPack both install under another prefix than the configured one.
set(velmora_desktop_template ${PROJECT_SOURCE_DIR}/data/desktop.in)
set(velmora_desktop_staged ${PROJECT_BINARY_DIR}/data/${VELMORA_APP_ID}.desktop)
install(CODE "
    set(VELMORA_APP_ID ${VELMORA_APP_ID})
    set(VELMORA_BIN_DIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    set(VELMORA_HELP_DIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/velmora\")
    configure_file(\"${velmora_desktop_template}\" \"${velmora_desktop_staged}\" @ONLY)
    file(INSTALL \"${velmora_desktop_staged}\"
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
if(BUILD_TESTING)
    include(${CMAKE_CURRENT_LIST_DIR}/InstallTests.cmake)
endif()
