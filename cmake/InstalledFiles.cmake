# SPDX-License-Identifier: AGPL-3.0-or-later
# What an install puts under its prefix, and the checks that the install test
# and the package test share. Included by the check scripts (cmake -P), which
# are given VELMORA_APP_ID and VELMORA_PRINT_MODULE (the module's path under
# the prefix).
set(VELMORA_ICON_SIZES 16 24 32 48 64 128 256)

set(VELMORA_INSTALLED_FILES
    bin/velmora
    bin/velmora-chart
    ${VELMORA_PRINT_MODULE}
    share/velmora/cities.bin
    share/velmora/help.txt
    share/velmora/other-names.tsv
    share/doc/velmora/copyright
    share/doc/velmora/changelog.gz
    share/applications/${VELMORA_APP_ID}.desktop
    share/metainfo/${VELMORA_APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${VELMORA_APP_ID}.svg
    share/man/man1/velmora.1.gz
    share/man/man1/velmora-chart.1.gz
    share/man/ru/man1/velmora.1.gz
    share/man/ru/man1/velmora-chart.1.gz
    share/bash-completion/completions/velmora-chart
)
foreach(size IN LISTS VELMORA_ICON_SIZES)
    list(APPEND VELMORA_INSTALLED_FILES share/icons/hicolor/${size}x${size}/apps/${VELMORA_APP_ID}.png)
endforeach()
list(SORT VELMORA_INSTALLED_FILES)

# Fails unless the relative paths in `actual` are exactly the expected files.
function(velmora_check_file_list actual)
    list(SORT actual)
    if(NOT actual STREQUAL VELMORA_INSTALLED_FILES)
        set(missing ${VELMORA_INSTALLED_FILES})
        list(REMOVE_ITEM missing ${actual})
        set(extra ${actual})
        list(REMOVE_ITEM extra ${VELMORA_INSTALLED_FILES})
        message(SEND_ERROR "installed files differ: missing [${missing}], unexpected [${extra}]")
    endif()
endfunction()

# Fails unless the menu entry `text` starts the window installed under
# `prefix` in the folder of the installed help text.
function(velmora_check_desktop_entry text prefix)
    foreach(line "Exec=${prefix}/bin/velmora" "Path=${prefix}/share/velmora" "Icon=${VELMORA_APP_ID}")
        string(FIND "${text}" "\n${line}\n" at)
        if(at EQUAL -1)
            message(SEND_ERROR "desktop entry lacks the line '${line}':\n${text}")
        endif()
    endforeach()
endfunction()
