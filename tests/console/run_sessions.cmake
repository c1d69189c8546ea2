# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the sessions NAME.1.in, NAME.2.in, ... one after the other on one data folder of their
# own, as a pupil who comes back, and compares their outputs together with NAME.out.
# Each session's first line may hold the console's options: "# options: --seed 7".
file(GLOB sessions ${PREFIX}.*.in)
list(SORT sessions)
set(data ${ACTUAL}.data)
file(REMOVE_RECURSE ${data})
set(ENV{LC_ALL} C)
set(ENV{XDG_DATA_HOME} ${data})
set(actual "")
foreach(session ${sessions})
    file(STRINGS ${session} lines LIMIT_COUNT 1)
    set(options "")
    if(lines MATCHES "^# options: (.*)$")
        separate_arguments(options UNIX_COMMAND "${CMAKE_MATCH_1}")
    endif()
    execute_process(COMMAND ${CONSOLE} ${options}
        INPUT_FILE ${session}
        OUTPUT_VARIABLE output
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the console exited with ${status} in ${session}")
    endif()
    string(APPEND actual "${output}")
endforeach()
if(NOT EXISTS ${data}/Quorvel/Quorvel/quorvel.db)
    message(FATAL_ERROR "no database in ${data}/Quorvel/Quorvel")
endif()
file(READ ${PREFIX}.out expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL} "${actual}")
    execute_process(COMMAND diff -u ${PREFIX}.out ${ACTUAL})
    message(FATAL_ERROR "the transcript differs from ${PREFIX}.out; the output is in ${ACTUAL}")
endif()
