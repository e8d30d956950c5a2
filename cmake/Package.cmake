# SPDX-License-Identifier: AGPL-3.0-or-later
# The Debian package (velmora_<version>_<arch>.deb), built from the install
# rules with `cpack -G DEB` or the `package` target. dpkg-shlibdeps computes
# the library dependencies from the binaries. What is loaded at run time
# rather than linked is named here: the Qt platform plugins, Qt's own
# Russian texts, the font family the window and the printed page ask for,
# the zone data that QTimeZone reads for the clock offsets of places, and
# Qt's SQLite driver, a plugin that Qt SQL loads when the client file is
# first opened.
# The Russian city names come with libgeonames0 itself (its
# libgeonames-common).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four pillars of a moment and the year and month squares")
set(CPACK_PACKAGE_DESCRIPTION "Velmora computes the four pillars of Chinese calendar reckoning and the
feng-shui squares of the year and the month for a local date and time, a
clock correction and a longitude. The window has a Russian interface; the
command-line tool velmora-chart computes the same chart for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, tzdata, libqt6sql6-sqlite, libcups2, libgeonames0 (>= 0.3.0)")

include(CPack)
