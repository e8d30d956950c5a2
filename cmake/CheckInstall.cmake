# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs the build into a fresh prefix and checks the layout: exactly the
# expected files, the help text as shipped, icons of their folder's size, a
# menu entry pointing into this prefix, metainfo of this version, a tool
# that runs from there, and a window that finds the print module there.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSOURCE_DIR=... -DVERSION=... -DVELMORA_APP_ID=... -P CheckInstall.cmake
include(${CMAKE_CURRENT_LIST_DIR}/InstalledFiles.cmake)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
velmora_check_file_list("${installed}")

file(SHA256 "${SOURCE_DIR}/help.txt" shipped)
file(SHA256 "${PREFIX}/share/velmora/help.txt" copied)
if(NOT shipped STREQUAL copied)
    message(SEND_ERROR "installed help.txt differs from the source's")
endif()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size IN LISTS VELMORA_ICON_SIZES)
    file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${VELMORA_APP_ID}.png" header
        OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT "${width}x${height}" STREQUAL "${size}x${size}")
        message(SEND_ERROR "icon ${size}x${size} is ${width}x${height}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/${VELMORA_APP_ID}.desktop" entry)
velmora_check_desktop_entry("${entry}" "${PREFIX}")

file(READ "${PREFIX}/share/metainfo/${VELMORA_APP_ID}.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" at)
if(at EQUAL -1)
    message(SEND_ERROR "metainfo has no release ${VERSION}")
endif()

execute_process(COMMAND "${PREFIX}/bin/velmora-chart" --help RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(SEND_ERROR "installed velmora-chart --help failed: ${result}")
endif()

# The window finds the print module by a path from its own folder, built
# into it (in UTF-16, as Qt's string literals are): the path must lead to
# the installed module. It looks up one function in it by name.
file(STRINGS "${PREFIX}/bin/velmora" module_paths ENCODING UTF-16LE REGEX "velmora-print[.]so$")
set(module_targets "")
foreach(path IN LISTS module_paths)
    cmake_path(APPEND PREFIX bin "${path}" OUTPUT_VARIABLE target)
    cmake_path(NORMAL_PATH target)
    list(APPEND module_targets "${target}")
endforeach()
cmake_path(APPEND PREFIX "${VELMORA_PRINT_MODULE}" OUTPUT_VARIABLE installed_module)
cmake_path(NORMAL_PATH installed_module)
if(NOT module_targets STREQUAL installed_module)
    message(SEND_ERROR "the window looks for the print module at [${module_targets}] (from [${module_paths}]), "
        "but it is installed at ${installed_module}")
endif()

find_program(NM nm REQUIRED)
execute_process(COMMAND "${NM}" -D --defined-only "${PREFIX}/${VELMORA_PRINT_MODULE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE symbols)
if(NOT result EQUAL 0 OR NOT symbols MATCHES " T VelmoraPrintOnDefaultPrinter\n")
    message(SEND_ERROR "the installed print module does not export VelmoraPrintOnDefaultPrinter: ${result}\n${symbols}")
endif()
