# SPDX-License-Identifier: GPL-3.0-or-later
# Installation, laid out as a Linux desktop program: the program alone in bin/, its
# defaults files in share/stoikon (read only; the user's own copies go to the user's data
# folder), a desktop entry, AppStream metainfo, the icon in the hicolor theme, a MIME type
# for ".KVX" documents, a man page and bash completion.

include(GNUInstallDirs)

# The program finds this folder from its own (generated/Version.h).
set(STOIKON_DATADIR ${CMAKE_INSTALL_DATADIR}/stoikon)

install(TARGETS stoikon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# New documents take their columns, fonts and formulas from these, one per language.
install(FILES
        ${CMAKE_SOURCE_DIR}/resources/defaults/New.KVX
        ${CMAKE_SOURCE_DIR}/resources/defaults/NewF.KVX
    DESTINATION ${STOIKON_DATADIR})

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/org.example.stoikon.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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

# The man page, compressed as Debian keeps man pages when gzip is at hand.
find_program(STOIKON_GZIP gzip)
if(STOIKON_GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/stoikon.1.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/stoikon.1 ${CMAKE_BINARY_DIR}/stoikon.1
        COMMAND ${STOIKON_GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/stoikon.1
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/stoikon.1
        VERBATIM)
    add_custom_target(stoikon_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/stoikon.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/stoikon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME stoikon)
install(FILES ${CMAKE_SOURCE_DIR}/resources/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/stoikon)
