# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the files are staged, before the package is made of them.
#
# The same sources give the same package: the files' times in it are SOURCE_DATE_EPOCH,
# which cpack's DEB generator honours. Unless the caller sets it, it is the time of the last
# commit of the checkout (a source archive without one keeps the build time).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(stoikon_git git)
    if(stoikon_git)
        execute_process(COMMAND ${stoikon_git} -C ${CPACK_STOIKON_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
        if(NOT failed AND epoch MATCHES "^[0-9]+$")
            set(ENV{SOURCE_DATE_EPOCH} ${epoch})
        endif()
    endif()
endif()

# The program as Debian strips it: cpack has stripped the symbols; the compiler's notes on
# itself (.comment) go too.
if(CPACK_STOIKON_OBJCOPY)
    file(GLOB_RECURSE programs ${CPACK_TEMPORARY_DIRECTORY}/*/bin/*)
    foreach(program IN LISTS programs)
        execute_process(COMMAND ${CPACK_STOIKON_OBJCOPY} --remove-section=.comment --remove-section=.note ${program}
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "objcopy could not tidy ${program}")
        endif()
    endforeach()
endif()
