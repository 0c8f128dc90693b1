# Runs extractor-cli with --json in every kind of failure and checks that its
# standard output is one JSON object a parser reads, usage errors included.
#   cmake -DCLI=... -DSAMPLER=... -DWORK=... [-DEMULATOR=...] [-DPATH_PREFIX=Z:] -P CheckJsonOutput.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/data/Documents")
set(folder "${PATH_PREFIX}${WORK}")

include(${CMAKE_CURRENT_LIST_DIR}/ProgramChecks.cmake)

make_sample_index()
set(index "${folder}/sample.lxi")
file(WRITE "${WORK}/not-an-index.lxi" "this is no index")
file(WRITE "${WORK}/not-a-folder" "")
file(WRITE "${WORK}/data/Documents/letter.txt" "Dear reader")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${WORK}/Sample backup 2024-02-01_09-00.zip" --format=zip
    Documents WORKING_DIRECTORY "${WORK}/data" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot make the sample archive: ${status}")
endif()

# Usage errors.
expect("unknown option" 2 ARGS info --json --bogus "${index}" JSON error.text)
expect("missing argument" 2 ARGS list --json JSON error.text)
expect("empty --to" 2 ARGS restore --json --to "" "${index}" JSON error.text)
expect("repeated --dest" 2 ARGS restore --json --version 1 --dest "Documents=${folder}/a" --dest "Documents=${folder}/b" "${index}"
    JSON error.text)
expect("version out of range" 2 ARGS list --json --version 9 "${index}" JSON error.text)
# Files that are missing or wrong.
expect("missing index" 3 ARGS locate --json "${folder}/missing.lxi" JSON error.text error.path)
expect("not an index" 3 ARGS info --json "${folder}/not-an-index.lxi" JSON error.code error.text)
expect("scan of a file" 3 ARGS scan --json "${folder}/not-a-folder" JSON error.text)
expect("missing archive" 5 ARGS extract --json --to "${folder}/out" "${folder}/missing.zip" JSON error.text)
expect("verify of a missing index" 3 ARGS verify --json "${folder}/missing.lxi" JSON error.text)
# The data is not at its place: the versions, for a choice.
expect("versions to choose from" 3 ARGS list --json "${index}" JSON versions.0.location)
expect("destination is a file" 5 ARGS restore --json --version 1 --to "${folder}/not-a-folder" "${index}"
    JSON error.text)
# Successes are objects too.
expect("every item" 0 ARGS list --files --json --version 1 "${index}" JSON items.0.name items.0.size files bytes)
expect("dry run" 0 ARGS restore --json --dry-run --version 1 --to "${folder}/restored" "${index}" JSON write)
