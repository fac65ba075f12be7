# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a library that must stay free of Qt defines or uses a Qt symbol (nm lists its
# symbols), or when a program would load a Qt library, directly or through another library
# (ldd lists every library the loader maps for it).
#   cmake -DNM=<nm> -P CheckQtFree.cmake <archive>...
#   cmake -DLDD=<ldd> -P CheckQtFree.cmake <program>...
set(files)
set(seen_script FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(seen_script)
        list(APPEND files "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} MATCHES "CheckQtFree\\.cmake$")
        set(seen_script TRUE)
    endif()
endforeach()
if(NOT files)
    message(FATAL_ERROR "no file to check")
endif()

# Fails when a line of what command says of file matches pattern.
function(stoikon_refuse_qt file pattern)
    execute_process(COMMAND ${ARGN} "${file}" OUTPUT_VARIABLE listing RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR listing STREQUAL "")
        message(FATAL_ERROR "could not list ${file}")
    endif()
    string(REGEX MATCHALL "[^\n]*${pattern}[^\n]*" found "${listing}")
    if(found)
        list(JOIN found "\n" lines)
        message(FATAL_ERROR "${file} refers to Qt:\n${lines}")
    endif()
    message(STATUS "${file}: no Qt")
endfunction()

foreach(file ${files})
    if(LDD)
        stoikon_refuse_qt("${file}" "libQt" "${LDD}")
    else()
        # Qt's classes start with Q and a capital (QString, QObject), its helpers with qt_ or
        # the Qt namespace.
        stoikon_refuse_qt("${file}" "(Q[A-Z][a-z][A-Za-z]*|qt_[a-z]|Qt::)" "${NM}" -C)
    endif()
endforeach()
