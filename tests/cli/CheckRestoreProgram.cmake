# Runs the built extractor-cli's restore as a process on a sample backup: the
# Windows build's end-to-end check (under Wine a test program cannot start
# another). One run per exit status; the rest is tested in-process.
#   cmake -DCLI=... -DSAMPLER=... -DWORK=... [-DEMULATOR=...] [-DPATH_PREFIX=Z:] -P CheckRestoreProgram.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/data/Documents" "${WORK}/restored")
set(folder "${PATH_PREFIX}${WORK}")

include(${CMAKE_CURRENT_LIST_DIR}/ProgramChecks.cmake)

# The sample index expects "Sample backup 2024-03-05_14-30.zip" beside it.
make_sample_index()
file(WRITE "${WORK}/data/Documents/letter.txt" "Dear reader")
file(WRITE "${WORK}/data/notes.txt" "notes")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${WORK}/Sample backup 2024-03-05_14-30.zip" --format=zip
    Documents notes.txt WORKING_DIRECTORY "${WORK}/data" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot make the sample archive: ${status}")
endif()

expect("restore" 0 ARGS restore --to "${folder}/restored" "${folder}/sample.lxi"
    OUT "Operation completed successfully.")
file(READ "${WORK}/restored/Documents/letter.txt" letter)
if(NOT letter STREQUAL "Dear reader")
    message(FATAL_ERROR "restore: Documents/letter.txt holds '${letter}'")
endif()
# Again over the first copy: each file is renamed over its earlier copy, and no
# temporary file stays.
file(WRITE "${WORK}/restored/notes.txt" "older notes")
expect("restore over an earlier copy" 0 ARGS restore --to "${folder}/restored" "${folder}/sample.lxi"
    OUT "Operation completed successfully.")
file(READ "${WORK}/restored/notes.txt" notes)
file(GLOB_RECURSE leftovers "${WORK}/restored/*.tmp")
if(NOT notes STREQUAL "notes" OR leftovers)
    message(FATAL_ERROR "restore over an earlier copy: notes.txt holds '${notes}'; left: ${leftovers}")
endif()
# A missing destination is made with its parents (a Windows path with drive and separators).
expect("restore to a missing folder" 0 ARGS restore --json --to "${folder}/missing/deep" "${folder}/sample.lxi"
    OUT "\"result\": 0" "\"failed\": []")
if(NOT EXISTS "${WORK}/missing/deep/Documents/letter.txt")
    message(FATAL_ERROR "restore to a missing folder: the folder was not made")
endif()
file(RENAME "${WORK}/Sample backup 2024-03-05_14-30.zip" "${WORK}/Sample backup 2024-02-01_09-00.zip")
expect("versions without --version" 3 ARGS list "${folder}/sample.lxi" OUT "1. Sample backup 2024-02-01_09-00.zip")
