# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with (dpkg-buildflags with hardening=+all), for
# every optimised build, which is what the package is made from: checked buffer functions
# (_FORTIFY_SOURCE needs the optimiser), stack protectors, and relocations resolved at start
# and made read-only (RELRO with bind-now). Debug builds and the sanitizer and fuzzing builds,
# which check memory their own way, go without.

option(STOIKON_HARDENING "Build optimised builds with Debian's hardening flags" ON)

if(STOIKON_HARDENING AND NOT STOIKON_SANITIZE AND NOT STOIKON_BUILD_FUZZERS)
    set(stoikon_optimised "$<NOT:$<CONFIG:Debug>>")
    add_compile_options(
        "$<${stoikon_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
        "$<${stoikon_optimised}:-fstack-protector-strong;-fstack-clash-protection>"
        "$<${stoikon_optimised}:-Wformat;-Werror=format-security>")
    add_link_options("$<${stoikon_optimised}:LINKER:-z,relro;LINKER:-z,now>")
endif()
