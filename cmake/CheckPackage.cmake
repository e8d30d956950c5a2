# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds the Debian package of the build and inspects it with dpkg-deb: the
# control data (name, version, architecture, and dependencies that
# dpkg-shlibdeps computed from the binaries), the file list, the menu
# entry, which must start the program in the folder of /usr's help text, and
# the changelog's latest version. lintian then reads the same package
# (CheckLintian.sh).
#   cmake -DBUILD_DIR=... -DOUT_DIR=... -DVERSION=... -DVELMORA_APP_ID=... -DCPACK=... -DDPKG_DEB=... -P CheckPackage.cmake
include(${CMAKE_CURRENT_LIST_DIR}/InstalledFiles.cmake)

file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${OUT_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}\n${log}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT_DIR}/velmora_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    message(FATAL_ERROR "no ${deb}:\n${log}")
endif()

function(check_field name pattern)
    execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" ${name}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${pattern}")
        message(SEND_ERROR "control field ${name} is '${value}', expected to match '${pattern}'")
    endif()
endfunction()

check_field(Package "^velmora$")
check_field(Version "^${VERSION}$")
check_field(Architecture "^${arch}$")
check_field(Maintainer ".+ <.+@.+>")
# Versioned entries show that dpkg-shlibdeps wrote them from the binaries.
foreach(dependency libc6 libstdc[+][+]6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libswe)
    check_field(Depends "(^|, )${dependency}[^,]* [(]>= [^)]+[)]")
endforeach()
# libcups2 is loaded when printing and libgeonames0 at the first city
# search, not linked: both are named.
foreach(dependency qt6-qpa-plugins qt6-translations-l10n fonts-liberation tzdata libcups2)
    check_field(Depends "(^|, )${dependency}(,|$)")
endforeach()
check_field(Depends "(^|, )libgeonames0 [(]>= 0[.]3[.]0[)](,|$)")

# Every file lies under /usr, owned by root; directories are left out.
execute_process(COMMAND "${DPKG_DEB}" --contents "${deb}" OUTPUT_VARIABLE contents)
string(REPLACE "\n" ";" lines "${contents}")
set(packaged "")
foreach(line IN LISTS lines)
    if(line MATCHES "^-.* root/root .* \\./usr/([^ ]+)$")
        list(APPEND packaged "${CMAKE_MATCH_1}")
    elseif(line AND NOT line MATCHES "^d.* root/root .* \\./(usr/.*)?$")
        message(SEND_ERROR "unexpected package entry: ${line}")
    endif()
endforeach()
velmora_check_file_list("${packaged}")

execute_process(
    COMMAND "${DPKG_DEB}" --fsys-tarfile "${deb}"
    COMMAND tar -xOf - ./usr/share/applications/${VELMORA_APP_ID}.desktop
    OUTPUT_VARIABLE entry)
velmora_check_desktop_entry("${entry}" /usr)

# The changelog's latest entry is this version's: a new version needs its
# entry in data/changelog.
execute_process(
    COMMAND "${DPKG_DEB}" --fsys-tarfile "${deb}"
    COMMAND tar -xOf - ./usr/share/doc/velmora/changelog.gz
    COMMAND gzip -dc
    OUTPUT_VARIABLE changelog)
string(REPLACE "." "[.]" version_pattern "${VERSION}")
if(NOT changelog MATCHES "^velmora [(]${version_pattern}[)] ")
    string(REGEX MATCH "^[^\n]*" latest "${changelog}")
    message(SEND_ERROR "the changelog's latest entry is '${latest}', not velmora (${VERSION})")
endif()
