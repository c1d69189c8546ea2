# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one console session and compares its output with the expected transcript, line by line.
# The session's first line may hold the console's options: "# options: --seed 7 --clock 10:00:05".
# A differing output is kept in ACTUAL, in the build folder, and shown as a diff.
file(STRINGS ${SESSION} lines LIMIT_COUNT 1)
set(options "")
if(lines MATCHES "^# options: (.*)$")
    separate_arguments(options UNIX_COMMAND "${CMAKE_MATCH_1}")
endif()
string(REGEX REPLACE "\\.in$" ".out" expected_file ${SESSION})
# The transcripts are written in the C locale. Run under another (the suite's second pass, in
# Italian), a session shows its decimal numbers with that locale's separator: a comma for
# Italian, where the transcript has a point.
set(decimal_comma FALSE)
if("$ENV{LC_ALL}" MATCHES "^it")
    set(decimal_comma TRUE)
else()
    set(ENV{LC_ALL} C)
endif()
# A session that names no pupil must leave no database behind: its data folder stays empty.
set(data ${ACTUAL}.data)
file(REMOVE_RECURSE ${data})
file(MAKE_DIRECTORY ${data})
set(ENV{XDG_DATA_HOME} ${data})
# The files a session writes (saved mechanisms, exports) go in a folder of its own, empty at the
# start, so that a session finds none left by an earlier run.
set(work ${ACTUAL}.work)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND ${CONSOLE} ${options}
    WORKING_DIRECTORY ${work}
    INPUT_FILE ${SESSION}
    OUTPUT_VARIABLE actual
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the console exited with ${status}")
endif()
file(GLOB_RECURSE written ${data}/*)
if(written)
    message(FATAL_ERROR "the session wrote ${written}")
endif()
file(READ ${expected_file} expected)
if(decimal_comma)
    string(REGEX REPLACE "([0-9])\\.([0-9])" "\\1,\\2" expected "${expected}")
endif()
if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL} "${actual}")
    file(WRITE ${ACTUAL}.expected "${expected}")
    execute_process(COMMAND diff -u ${ACTUAL}.expected ${ACTUAL})
    message(FATAL_ERROR "the transcript differs from ${expected_file}; the output is in ${ACTUAL}")
endif()
