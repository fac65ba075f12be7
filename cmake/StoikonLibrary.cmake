# SPDX-License-Identifier: GPL-3.0-or-later
# stoikon_add_library(NAME SOURCES ... DEPS ... [QT_FREE]): the one library of a source
# folder, static, included by folder ("core/Fraction.h") from the source root and the
# generated headers' root. DEPS are the libraries of the folders it includes, which lie
# below it. QT_FREE puts the library on the list that the ctest check qt_free_libraries runs
# nm over; the others run the moc over their sources.
function(stoikon_add_library name)
    cmake_parse_arguments(ARG "QT_FREE" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    if(ARG_QT_FREE)
        set_property(GLOBAL APPEND PROPERTY STOIKON_QT_FREE_LIBRARIES ${name})
    else()
        set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    endif()
endfunction()
