# SPDX-License-Identifier: GPL-3.0-or-later
# What a distributor sets when building Stoikon: the project's web site and mail address
# (the Help menu's web commands and the metainfo), the package's maintainer and the
# AppStream application id. The defaults suit a build made from a checkout: no web site and
# no mail address, so Help opens the user guide installed with the program; a maintainer
# and an id under example.org that a distributor replaces with their own, e.g.
#   cmake -S . -B build -DSTOIKON_HOMEPAGE=https://stoikon.example.net/ \
#         -DSTOIKON_MAIL=stoikon@example.net -DSTOIKON_MAINTAINER="Ann Smith <ann@example.net>" \
#         -DSTOIKON_APP_ID=net.example.stoikon

set(STOIKON_HOMEPAGE "" CACHE STRING
    "The project's web site, a folder address holding st.html (where to get the source), sthlp.html (the online help) and screenshots/; empty: Help opens the installed user guide")
set(STOIKON_MAIL "" CACHE STRING
    "The mail address Help > Comments and problems writes to; empty: the user guide's page on reporting problems")
set(STOIKON_MAINTAINER "The Stoikon developers <stoikon@example.org>" CACHE STRING
    "The Debian package's maintainer, \"Name <mail address>\"")
set(STOIKON_APP_ID "org.example.stoikon" CACHE STRING
    "The AppStream id, reversed domain name style; it names the metainfo file too")

# The site is a folder: its pages are found by adding their names.
if(STOIKON_HOMEPAGE AND NOT STOIKON_HOMEPAGE MATCHES "/$")
    set(STOIKON_HOMEPAGE "${STOIKON_HOMEPAGE}/")
endif()
if(STOIKON_HOMEPAGE AND NOT STOIKON_HOMEPAGE MATCHES "^https?://[^\"\\\\ ]+$")
    message(FATAL_ERROR "STOIKON_HOMEPAGE must be an http or https address: ${STOIKON_HOMEPAGE}")
endif()
if(STOIKON_MAIL AND NOT STOIKON_MAIL MATCHES "^[^\"\\\\ <>@]+@[^\"\\\\ <>@]+\\.[^\"\\\\ <>@]+$")
    message(FATAL_ERROR "STOIKON_MAIL must be a mail address: ${STOIKON_MAIL}")
endif()
if(NOT STOIKON_MAINTAINER MATCHES "^[^<>]+ <[^\"\\\\ <>@]+@[^\"\\\\ <>@]+\\.[^\"\\\\ <>@]+>$")
    message(FATAL_ERROR "STOIKON_MAINTAINER must read \"Name <mail address>\": ${STOIKON_MAINTAINER}")
endif()
if(NOT STOIKON_APP_ID MATCHES "^[a-z][a-z0-9_]*(\\.[A-Za-z][A-Za-z0-9_]*)+$")
    message(FATAL_ERROR "STOIKON_APP_ID must be a reversed domain name such as org.example.stoikon: ${STOIKON_APP_ID}")
endif()

# The program reads the addresses from a header made here.
configure_file(${CMAKE_SOURCE_DIR}/cmake/WebAddresses.h.in ${CMAKE_BINARY_DIR}/generated/WebAddresses.h @ONLY)

message(STATUS "Stoikon: web site '${STOIKON_HOMEPAGE}', mail '${STOIKON_MAIL}', "
    "maintainer '${STOIKON_MAINTAINER}', application id ${STOIKON_APP_ID}")
