# SPDX-License-Identifier: AGPL-3.0-or-later
# Checks of the install rules and the package. The install test lays out a
# temporary prefix that the validators then read; the package test builds the
# .deb, which lintian then reads, and which would carry sanitizer-linked
# binaries in a sanitizer build.
# A check whose tool is not installed is reported as skipped, naming the
# Debian package that brings it.
find_program(VELMORA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(VELMORA_APPSTREAMCLI appstreamcli)
find_program(VELMORA_DPKG_DEB dpkg-deb)

# Adds test `name` running the given command when `tool` was found, or a test
# that prints why it is skipped.
function(velmora_tool_test name tool package)
    if(tool)
        add_test(NAME ${name} COMMAND ${ARGN})
    else()
        message(STATUS "${name} will be skipped: install the Debian package ${package}")
        add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo
            "SKIPPED: ${name} needs a tool from the Debian package ${package}, which is not installed")
        set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIPPED: ")
    endif()
endfunction()

add_test(NAME install_layout
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DPREFIX=${PROJECT_BINARY_DIR}/install-check
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION} -DVELMORA_APP_ID=${VELMORA_APP_ID}
        -DVELMORA_PRINT_MODULE=${VELMORA_MODULE_INSTALL_DIR}/velmora-print.so
        -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
set_tests_properties(install_layout PROPERTIES
    FIXTURES_SETUP velmora_installed RESOURCE_LOCK velmora_install)

set(velmora_installed_data ${PROJECT_BINARY_DIR}/install-check/${CMAKE_INSTALL_DATADIR})
velmora_tool_test(desktop_entry_valid "${VELMORA_DESKTOP_FILE_VALIDATE}" desktop-file-utils
    ${VELMORA_DESKTOP_FILE_VALIDATE} ${velmora_installed_data}/applications/${VELMORA_APP_ID}.desktop)
velmora_tool_test(metainfo_valid "${VELMORA_APPSTREAMCLI}" appstream
    ${VELMORA_APPSTREAMCLI} validate --no-net --strict
        ${velmora_installed_data}/metainfo/${VELMORA_APP_ID}.metainfo.xml)
if(VELMORA_DESKTOP_FILE_VALIDATE)
    # desktop-file-validate exits 0 on warnings and hints; any output fails.
    set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ".")
endif()
set_tests_properties(desktop_entry_valid metainfo_valid PROPERTIES FIXTURES_REQUIRED velmora_installed)

if(NOT VELMORA_SANITIZE)
    velmora_tool_test(deb_package "${VELMORA_DPKG_DEB}" dpkg
        ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DOUT_DIR=${PROJECT_BINARY_DIR}/package-check
            -DVERSION=${PROJECT_VERSION} -DVELMORA_APP_ID=${VELMORA_APP_ID} -DCPACK=${CMAKE_CPACK_COMMAND}
            -DVELMORA_PRINT_MODULE=${VELMORA_MODULE_INSTALL_DIR}/velmora-print.so
            -DDPKG_DEB=${VELMORA_DPKG_DEB}
            -P ${CMAKE_CURRENT_LIST_DIR}/CheckPackage.cmake)
    set_tests_properties(deb_package PROPERTIES RESOURCE_LOCK velmora_install TIMEOUT 300
        FIXTURES_SETUP velmora_deb)

    # lintian reads the package that deb_package built rather than building
    # it again; it skips itself (status 77) without dpkg-deb or lintian.
    add_test(NAME deb_lintian
        COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/CheckLintian.sh ${PROJECT_BINARY_DIR}/package-check ${PROJECT_VERSION})
    set_tests_properties(deb_lintian PROPERTIES
        FIXTURES_REQUIRED velmora_deb RESOURCE_LOCK velmora_install SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
