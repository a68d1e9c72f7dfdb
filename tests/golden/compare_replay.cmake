# Replays one golden trace and compares the result; run with cmake -P (see CMakeLists.txt here).
# Inputs: REPLAY (the replay program), TRACE_DIR, TRACE_NAME.
set(trace "${TRACE_NAME}.trace")
file(STRINGS "${TRACE_DIR}/${trace}" first_line LIMIT_COUNT 1)
set(args "")
if(first_line MATCHES "^# args: (.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
endif()

execute_process(
    COMMAND "${REPLAY}" ${args} "${trace}"
    WORKING_DIRECTORY "${TRACE_DIR}"
    RESULT_VARIABLE exit_code
    OUTPUT_VARIABLE actual_out
    ERROR_VARIABLE actual_err)

if(EXISTS "${TRACE_DIR}/${TRACE_NAME}.expected-error")
    file(READ "${TRACE_DIR}/${TRACE_NAME}.expected-error" expected_err)
    if(NOT exit_code EQUAL 2)
        message(FATAL_ERROR "${trace}: exit code ${exit_code}, expected 2\nstderr:\n${actual_err}")
    endif()
    if(NOT actual_out STREQUAL "")
        message(FATAL_ERROR "${trace}: unexpected output:\n${actual_out}")
    endif()
    if(NOT actual_err STREQUAL expected_err)
        message(FATAL_ERROR "${trace}: stderr differs\n--- expected\n${expected_err}--- actual\n${actual_err}")
    endif()
else()
    file(READ "${TRACE_DIR}/${TRACE_NAME}.expected" expected_out)
    if(NOT exit_code EQUAL 0)
        message(FATAL_ERROR "${trace}: exit code ${exit_code}, expected 0\nstderr:\n${actual_err}")
    endif()
    if(NOT actual_out STREQUAL expected_out)
        message(FATAL_ERROR "${trace}: output differs\n--- expected\n${expected_out}--- actual\n${actual_out}")
    endif()
endif()
