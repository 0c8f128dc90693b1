# Runs the built extractor-cli as a process and checks exit statuses and the two
# output streams. The Windows build's stand-in for the process tests of
# CliProcessTest.cpp: under Wine a Windows test cannot start another program.
#   cmake -DCLI=... -DSAMPLER=... -DWORK=... [-DEMULATOR=...] [-DPATH_PREFIX=Z:] -P CheckCliProgram.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(folder "${PATH_PREFIX}${WORK}")

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

execute_process(COMMAND ${EMULATOR} ${SAMPLER} "${folder}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-sample-index failed: ${status}")
endif()

# Each run costs seconds under Wine: one per exit status, the rest is tested in-process.
expect("binary index as JSON" 0 ARGS info --json "${folder}/sample.lxi"
    OUT "\"name\": \"Sample backup\"" "\"last_update\": 45356.604166666664" "Caf\\udce9.mp3")
expect("missing index" 3 ARGS info "${folder}/missing.lxi"
    ERR "Error importing file: Cannot open file ${folder}/missing.lxi for reading.")
expect("unknown option" 2 ARGS info --bogus x ERR "unknown option '--bogus'" "usage: extractor-cli info")
