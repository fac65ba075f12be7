# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a library that must stay free of Qt defines or uses a Qt symbol.
#   cmake -DNM=<nm> -P CheckQtFree.cmake <archive>...
set(archives)
set(seen_script FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(seen_script)
        list(APPEND archives "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} MATCHES "CheckQtFree\\.cmake$")
        set(seen_script TRUE)
    endif()
endforeach()
if(NOT archives)
    message(FATAL_ERROR "no archive to check")
endif()

foreach(archive ${archives})
    execute_process(COMMAND "${NM}" -C "${archive}" OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR symbols STREQUAL "")
        message(FATAL_ERROR "could not list the symbols of ${archive}")
    endif()
    # Qt's classes start with Q and a capital (QString, QObject), its helpers with qt_ or
    # the Qt namespace.
    string(REGEX MATCHALL "[^\n]*(Q[A-Z][a-z][A-Za-z]*|qt_[a-z]|Qt::)[^\n]*" found "${symbols}")
    if(found)
        list(JOIN found "\n" lines)
        message(FATAL_ERROR "${archive} refers to Qt:\n${lines}")
    endif()
    message(STATUS "${archive}: no Qt symbol")
endforeach()
