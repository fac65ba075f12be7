# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder writes stoikon_<version>_<arch>.deb,
# installing under /usr what cmake/Install.cmake lays out. Its library dependencies are worked
# out from the program's shared libraries by dpkg-shlibdeps (package dpkg-dev, which also
# needs `file`). The MIME type, the icons and the desktop entry are registered by the
# triggers of shared-mime-info, the icon cache and desktop-file-utils, so the package needs
# no scripts of its own. The maintainer and the home page are the options of
# cmake/Distributor.cmake.

set(CPACK_PACKAGE_NAME stoikon)
set(CPACK_PACKAGE_VENDOR "The Stoikon developers")
set(CPACK_PACKAGE_CONTACT "${STOIKON_MAINTAINER}")
if(STOIKON_HOMEPAGE)
    set(CPACK_PACKAGE_HOMEPAGE_URL "${STOIKON_HOMEPAGE}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "balance chemical reactions and work out their amounts")
# The package's long description, wrapped for dpkg; an empty line starts a paragraph.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Stoikon balances chemical reactions and works out the quantities that go"
    "with them. Type a reaction on one line (h2=o2 h2o becomes H2+O2>H2O as you"
    "type) and press Balance: Stoikon finds the smallest whole-number"
    "coefficients, solving the element balance in exact fractions."
    ""
    "Every substance becomes a row of a grid whose columns you define; Calculate"
    "Grid fills in moles, masses and volumes from formulas you can edit."
    "Documents are .KVX files and can be exported as a web page or a bitmap"
    "picture. The interface is in English and in Farsi (right to left).")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Persian letters for the Farsi interface; metric stand-ins for the documents' Arial and
# Times New Roman; xdg-open, through which the Help menu opens the user guide, the web site
# and the mail program. libcanberra's driver for the sound server would make the message
# boxes' sounds event sounds there, at the desktop's alert volume, but it brings the sound
# server and its libraries along (some 130 MiB) for a dialog's sound: only suggested.
# libcanberra0 itself, which dpkg-shlibdeps finds, plays through ALSA and brings the
# freedesktop sound theme.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libcanberra-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Reproducible times, and the program tidied as Debian's own packages are.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStaging.cmake)
set(CPACK_STOIKON_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_STOIKON_OBJCOPY ${CMAKE_OBJCOPY})

# A source archive holds the checkout without build folders or version control.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/fuzz/corpus")

include(CPack)
