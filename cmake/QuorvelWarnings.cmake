# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One set of warnings for every target of ours: link quorvel_warnings. Warnings never fail a
# user's or a packager's build; developers and CI turn them into errors with QUORVEL_WERROR.
option(QUORVEL_WERROR "Treat warnings as errors" OFF)

if(NOT TARGET quorvel_warnings)
    add_library(quorvel_warnings INTERFACE)
    target_compile_options(quorvel_warnings INTERFACE -Wall -Wextra -Wpedantic)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports false -Wrestrict overlaps inside std::string at -O2 and above
        # (GCC bug 105329).
        target_compile_options(quorvel_warnings INTERFACE -Wno-restrict)
        # Under the sanitizers GCC's flow analysis loses track of what is initialised and
        # reports false -Wmaybe-uninitialized inside the standard library (std::regex).
        if(QUORVEL_SANITIZE)
            target_compile_options(quorvel_warnings INTERFACE -Wno-maybe-uninitialized)
        endif()
    endif()
    if(QUORVEL_WERROR)
        target_compile_options(quorvel_warnings INTERFACE -Werror)
    endif()
endif()
