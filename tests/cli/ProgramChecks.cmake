# Shared by the process checks of extractor-cli (CMake scripts run with -P):
# expect() runs the program once and checks its exit status and outputs;
# make_sample_index() writes the sample indexes into ${folder}.
# Callers set EMULATOR, CLI, SAMPLER and folder.

# expect(WHAT STATUS ARGS args... [OUT texts...] [ERR texts...])
function(expect what expected_status)
    cmake_parse_arguments(E "" "" "ARGS;OUT;ERR" ${ARGN})
    execute_process(COMMAND ${EMULATOR} ${CLI} ${E_ARGS}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "${what}: exit status ${status}, expected ${expected_status}\nout: ${out}\nerr: ${err}")
    endif()
    foreach(stream IN ITEMS OUT ERR)
        string(TOLOWER ${stream} variable)
        foreach(needle IN LISTS E_${stream})
            string(FIND "${${variable}}" "${needle}" at)
            if(at EQUAL -1)
                message(FATAL_ERROR "${what}: standard ${variable} lacks '${needle}'\nout: ${out}\nerr: ${err}")
            endif()
        endforeach()
    endforeach()
    message(STATUS "${what}: ok")
endfunction()

function(make_sample_index)
    execute_process(COMMAND ${EMULATOR} ${SAMPLER} "${folder}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "make-sample-index failed: ${status}")
    endif()
endfunction()
