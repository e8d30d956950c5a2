# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs Velmora like a desktop program: the window and the command-line
# tool, the print module, the help text and the table of other city names,
# the icon in the hicolor theme, the menu entry and the AppStream metainfo,
# at the standard places under the install prefix.
install(TARGETS velmora velmora-chart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velmora_print LIBRARY DESTINATION ${VELMORA_MODULE_INSTALL_DIR}
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/help.txt ${PROJECT_SOURCE_DIR}/data/other-names.tsv ${VELMORA_CITY_INDEX}
    DESTINATION ${VELMORA_DATA_INSTALL_DIR})
add_dependencies(velmora velmora_cities)
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

# The package's documents, where Debian keeps them: the copyright file in
# Debian's machine-readable format, carrying the licence text of LICENSE,
# and the changelog, compressed as Debian wants it (best compression, no
# name or time stamp, so the same text gives the same bytes). The changelog
# is made with the window, as the print module is, so that building the
# programs is all that cpack needs.
set(VELMORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE VELMORA_AGPL_TEXT)
# Each line of the licence a continuation line of the License field: one
# space before it, a blank line written as " .".
string(REGEX REPLACE "\n+$" "" VELMORA_AGPL_TEXT "${VELMORA_AGPL_TEXT}")
string(REPLACE "\n" "\n " VELMORA_AGPL_TEXT " ${VELMORA_AGPL_TEXT}")
string(REGEX REPLACE "(^|\n) (\n|$)" "\\1 .\\2" VELMORA_AGPL_TEXT "${VELMORA_AGPL_TEXT}")
string(REGEX REPLACE "(^|\n) (\n|$)" "\\1 .\\2" VELMORA_AGPL_TEXT "${VELMORA_AGPL_TEXT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${PROJECT_BINARY_DIR}/data/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/copyright DESTINATION ${VELMORA_DOC_INSTALL_DIR})

find_program(VELMORA_GZIP gzip REQUIRED)
# The build tree's compressed copy of a source file, as Debian wants such
# documents: best compression, no name or time stamp, so the same text
# gives the same bytes.
function(velmora_compress source copy)
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${VELMORA_GZIP} -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
endfunction()

set(velmora_changelog ${PROJECT_BINARY_DIR}/data/changelog)
velmora_compress(${PROJECT_SOURCE_DIR}/data/changelog ${velmora_changelog})
add_custom_target(velmora_changelog DEPENDS ${velmora_changelog}.gz)
add_dependencies(velmora velmora_changelog)
install(FILES ${velmora_changelog}.gz DESTINATION ${VELMORA_DOC_INSTALL_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
if(BUILD_TESTING)
    include(${CMAKE_CURRENT_LIST_DIR}/InstallTests.cmake)
endif()
