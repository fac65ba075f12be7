# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the program with its two defaults files beside it (the program looks for
# them in its own folder), a desktop entry, the program icon in the hicolor theme and a
# MIME type for ".KVX" documents so that a file manager opens them with Stoikon.
# Everything lands under CMAKE_INSTALL_PREFIX.

include(GNUInstallDirs)

install(TARGETS stoikon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# New documents take their columns, fonts and formulas from these, one per language.
install(FILES
        ${CMAKE_SOURCE_DIR}/resources/defaults/New.KVX
        ${CMAKE_SOURCE_DIR}/resources/defaults/NewF.KVX
    DESTINATION ${CMAKE_INSTALL_BINDIR}
    OPTIONAL)

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# One picture per size the icon set has, named after the program.
file(GLOB stoikon_app_icons RELATIVE ${CMAKE_SOURCE_DIR}/resources/appicon
    ${CMAKE_SOURCE_DIR}/resources/appicon/stoikon-*.png)
foreach(icon IN LISTS stoikon_app_icons)
    string(REGEX REPLACE "^stoikon-([0-9]+)\\.png$" "\\1" size "${icon}")
    install(FILES ${CMAKE_SOURCE_DIR}/resources/appicon/${icon}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME stoikon.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME stoikon.xml)
