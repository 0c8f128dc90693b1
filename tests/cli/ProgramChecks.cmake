# Shared by the process checks of extractor-cli (CMake scripts run with -P):
# expect() runs the program once and checks its exit status and outputs;
# make_sample_index() writes the sample indexes into ${folder}.
# Callers set EMULATOR, CLI, SAMPLER and folder.

# expect(WHAT STATUS ARGS args... [OUT texts...] [ERR texts...] [JSON paths...])
# With JSON, standard output must parse as one JSON object holding each path
# ("error.text", "failed", ...: members separated by dots).
function(expect what expected_status)
    cmake_parse_arguments(E "" "" "ARGS;OUT;ERR;JSON" ${ARGN})
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
    if(DEFINED E_JSON)
        string(JSON type ERROR_VARIABLE json_error TYPE "${out}")
        if(json_error OR NOT type STREQUAL "OBJECT")
            message(FATAL_ERROR "${what}: standard output is no JSON object (${json_error})\nout: ${out}\nerr: ${err}")
        endif()
        foreach(path IN LISTS E_JSON)
            string(REPLACE "." ";" members "${path}")
            string(JSON value ERROR_VARIABLE json_error GET "${out}" ${members})
            if(json_error)
                message(FATAL_ERROR "${what}: the JSON output lacks ${path}\nout: ${out}")
            endif()
        endforeach()
    endif()
    message(STATUS "${what}: ok")
endfunction()

function(make_sample_index)
    execute_process(COMMAND ${EMULATOR} ${SAMPLER} "${folder}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "make-sample-index failed: ${status}")
    endif()
endfunction()
