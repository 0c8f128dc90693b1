# Runs the built extractor-cli as a process and checks exit statuses and the two
# output streams. The Windows build's stand-in for the process tests of
# CliProcessTest.cpp: under Wine a Windows test cannot start another program.
#   cmake -DCLI=... -DSAMPLER=... -DWORK=... [-DEMULATOR=...] [-DPATH_PREFIX=Z:] -P CheckCliProgram.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(folder "${PATH_PREFIX}${WORK}")

include(${CMAKE_CURRENT_LIST_DIR}/ProgramChecks.cmake)

make_sample_index()

# Each run costs seconds under Wine: one per exit status, the rest is tested in-process.
expect("binary index as JSON" 0 ARGS info --json "${folder}/sample.lxi"
    OUT "\"name\": \"Sample backup\"" "\"last_update\": 45356.604166666664" "Caf\\udce9.mp3")
expect("missing index" 3 ARGS info "${folder}/missing.lxi"
    ERR "Error importing file: Cannot open file ${folder}/missing.lxi for reading.")
expect("unknown option" 2 ARGS info --bogus x ERR "unknown option '--bogus'" "usage: extractor-cli info")
