# SPDX-License-Identifier: GPL-3.0-or-later
# Installation, laid out as a Linux desktop program: the command alone in bin/ (its window
# program in libexec/stoikon), its defaults files in share/stoikon (read only; the user's own
# copies go to the user's data folder), a desktop entry, AppStream metainfo, the icon in the
# hicolor theme, a MIME type for ".KVX" documents, a man page and bash completion; in
# share/doc/stoikon the README, the user guide the Help menu opens, the changelog and the
# copyright notice.

include(GNUInstallDirs)

# The program finds these folders from its own (generated/Version.h).
set(STOIKON_DATADIR ${CMAKE_INSTALL_DATADIR}/stoikon)
set(STOIKON_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/stoikon)

install(TARGETS stoikon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window program, out of the PATH: the command hands it the window.
install(TARGETS ${STOIKON_WINDOW_PROGRAM} RUNTIME DESTINATION ${STOIKON_LIBEXECDIR})

# New documents take their columns, fonts and formulas from these, one per language.
install(FILES
        ${CMAKE_SOURCE_DIR}/resources/defaults/New.KVX
        ${CMAKE_SOURCE_DIR}/resources/defaults/NewF.KVX
    DESTINATION ${STOIKON_DATADIR})

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
set(STOIKON_METAINFO_IN ${CMAKE_SOURCE_DIR}/resources/stoikon.metainfo.xml.in)
set(STOIKON_METAINFO_OUT ${CMAKE_BINARY_DIR}/${STOIKON_APP_ID}.metainfo.xml)
include(${CMAKE_CURRENT_LIST_DIR}/Metainfo.cmake)
install(FILES ${STOIKON_METAINFO_OUT} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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

# Compressed as Debian keeps man pages and long documents (gzip -9n: no name nor time in
# the file, so a rebuild gives the same bytes), when gzip is at hand.
find_program(STOIKON_GZIP gzip)
function(stoikon_install_gzipped source name destination)
    if(NOT STOIKON_GZIP)
        install(FILES ${source} DESTINATION ${destination} RENAME ${name})
        return()
    endif()
    set(plain ${CMAKE_BINARY_DIR}/compressed/${name})
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND ${STOIKON_GZIP} -9 -n -f ${plain}
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(stoikon_compressed_${name} ALL DEPENDS ${plain}.gz)
    install(FILES ${plain}.gz DESTINATION ${destination})
endfunction()

stoikon_install_gzipped(${CMAKE_SOURCE_DIR}/resources/stoikon.1 stoikon.1 ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${CMAKE_SOURCE_DIR}/resources/stoikon.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME stoikon)

# The user guide in both languages, which Help opens when Stoikon has no web site; a program
# run from its build tree finds it beside itself.
foreach(guide user-guide.html user-guide-fa.html)
    configure_file(${CMAKE_SOURCE_DIR}/docs/${guide} ${CMAKE_BINARY_DIR}/${guide} COPYONLY)
    install(FILES ${CMAKE_SOURCE_DIR}/docs/${guide} DESTINATION ${STOIKON_DOCDIR})
endforeach()
stoikon_install_gzipped(${CMAKE_SOURCE_DIR}/README.md README.md ${STOIKON_DOCDIR})
# Stoikon is its own Debian package (a native one), so its changelog is changelog.gz.
stoikon_install_gzipped(${CMAKE_SOURCE_DIR}/resources/changelog changelog ${STOIKON_DOCDIR})
if(STOIKON_HOMEPAGE)
    set(STOIKON_COPYRIGHT_SOURCE "Source: ${STOIKON_HOMEPAGE}st.html\n")
endif()
configure_file(${CMAKE_SOURCE_DIR}/resources/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${STOIKON_DOCDIR})
