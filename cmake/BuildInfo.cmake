# SPDX-License-Identifier: AGPL-3.0-or-later
# The application id and the release date, set here once. With the project's
# version they reach the code (BuildInfo.h), the metainfo, the menu entry, the
# icons and the install checks.
set(VELMORA_APP_ID io.velmora.Velmora)
set(VELMORA_RELEASE_DATE 2026-12-07)

configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildInfo.h.in ${PROJECT_BINARY_DIR}/generated/BuildInfo.h @ONLY)
add_library(velmora_build_info INTERFACE)
target_include_directories(velmora_build_info INTERFACE ${PROJECT_BINARY_DIR}/generated)
