# Checks of the install rules and the package. The install test lays out a
# temporary prefix that the validators then read; the package test builds the
# .deb, which would carry sanitizer-linked binaries in a sanitizer build.
add_test(NAME install_layout
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DPREFIX=${PROJECT_BINARY_DIR}/install-check
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION}
        -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
set_tests_properties(install_layout PROPERTIES
    FIXTURES_SETUP velmora_installed RESOURCE_LOCK velmora_install)

set(velmora_installed_data ${PROJECT_BINARY_DIR}/install-check/${CMAKE_INSTALL_DATADIR})
add_test(NAME desktop_entry_valid
    COMMAND desktop-file-validate ${velmora_installed_data}/applications/${VELMORA_APP_ID}.desktop)
add_test(NAME metainfo_valid
    COMMAND appstreamcli validate --no-net --strict
        ${velmora_installed_data}/metainfo/${VELMORA_APP_ID}.metainfo.xml)
# desktop-file-validate exits 0 on warnings and hints; any output fails.
set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ".")
set_tests_properties(desktop_entry_valid metainfo_valid PROPERTIES FIXTURES_REQUIRED velmora_installed)

if(NOT VELMORA_SANITIZE)
    add_test(NAME deb_package
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DOUT_DIR=${PROJECT_BINARY_DIR}/package-check
            -DVERSION=${PROJECT_VERSION} -DCPACK=${CMAKE_CPACK_COMMAND}
            -P ${CMAKE_CURRENT_LIST_DIR}/CheckPackage.cmake)
    set_tests_properties(deb_package PROPERTIES RESOURCE_LOCK velmora_install TIMEOUT 300)
endif()
