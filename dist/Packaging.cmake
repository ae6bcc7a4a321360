# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build build --target package` writes quorvel_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR Selvarin)
set(CPACK_PACKAGE_CONTACT "Quorvel developers <quorvel@selvarin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for DPM dictation recorders")
# The package's long description: Debian wants its lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Quorvel edits the whole configuration of a DPM dictation recorder
in one dialog (beeps, formats, display, microphone, recording mode, keywords,
buttons, smart buttons and recording profiles), sets its clock and formats its
card. It comes with a device-control component that simulates recorders, and
the dpmrecorder tool to plug them in and drive them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVEL_PROJECT_URL})
# Runtime dependencies come from what the binaries link; the private libraries are the package's own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Wayland sessions need Qt's platform plugin there; the dialogs are laid out for these fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation")
# CPack calls ldconfig from the maintainer scripts for any library under /usr/lib, but ours are
# private (found through their run path): the scripts go again once the package is built.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DropLdconfigScripts.cmake)

include(CPack)
