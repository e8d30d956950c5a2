# SPDX-License-Identifier: AGPL-3.0-or-later
# The manual pages of the window and the tool, in English and in Russian,
# and the bash completion of the tool. The pages are written by hand in
# man/; the build compresses each with gzip -9n (no file name, no time
# stamp: the package comes out the same from the same sources) and the
# install puts them in section 1 of the manual, the Russian ones under ru/.
# The programs depend on their pages, so a build of just the programs, as
# for the package, has the pages to install.
set(velmora_man_pages velmora.1 velmora-chart.1 ru/velmora.1 ru/velmora-chart.1)
set(velmora_compressed_pages "")
foreach(page IN LISTS velmora_man_pages)
    set(copy ${PROJECT_BINARY_DIR}/man/${page})
    velmora_compress(${PROJECT_SOURCE_DIR}/man/${page} ${copy})
    list(APPEND velmora_compressed_pages ${copy}.gz)

    cmake_path(GET page PARENT_PATH language)
    if(language)
        install(FILES ${copy}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    else()
        install(FILES ${copy}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()
add_custom_target(velmora_man_pages ALL DEPENDS ${velmora_compressed_pages})
add_dependencies(velmora velmora_man_pages)
add_dependencies(velmora-chart velmora_man_pages)

# bash-completion loads a command's completion on first use from this
# folder, by the command's name.
install(FILES ${PROJECT_SOURCE_DIR}/data/velmora-chart.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME velmora-chart)
