# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a program would load a Qt library, directly or through another library: ldd
# lists every library the loader maps for it.
#   cmake -DLDD=<ldd> -DPROGRAM=<executable> -P CheckQtFreeProgram.cmake
execute_process(COMMAND "${LDD}" "${PROGRAM}" OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR libraries STREQUAL "")
    message(FATAL_ERROR "could not list the libraries of ${PROGRAM}")
endif()
string(REGEX MATCHALL "[^\n]*libQt[^\n]*" found "${libraries}")
if(found)
    list(JOIN found "\n" lines)
    message(FATAL_ERROR "${PROGRAM} loads Qt:\n${lines}")
endif()
message(STATUS "${PROGRAM} loads no Qt library:\n${libraries}")
