# Fetches a Debian source package (apt-get source) into a per-user cache once and
# returns the unpacked folder. Used for libraries that Debian ships only for Linux.
function(fetch_debian_source package out_var)
    if(DEFINED ENV{EXTRACTOR_DEPS_CACHE})
        set(cache "$ENV{EXTRACTOR_DEPS_CACHE}")
    else()
        set(cache "$ENV{HOME}/.cache/extractor-deps")
    endif()
    set(stamp "${cache}/${package}.dir")
    if(EXISTS "${stamp}")
        file(READ "${stamp}" dir)
        string(STRIP "${dir}" dir)
        if(IS_DIRECTORY "${dir}")
            set(${out_var} "${dir}" PARENT_SCOPE)
            return()
        endif()
    endif()
    message(STATUS "Fetching Debian source package ${package}")
    execute_process(
        COMMAND "${CMAKE_SOURCE_DIR}/scripts/fetch-debian-source.sh" "${package}" "${cache}"
        OUTPUT_VARIABLE dir
        RESULT_VARIABLE rc)
    string(STRIP "${dir}" dir)
    if(NOT rc EQUAL 0 OR NOT IS_DIRECTORY "${dir}")
        message(FATAL_ERROR "Could not fetch the Debian source package ${package}; run scripts/setup.sh first")
    endif()
    set(${out_var} "${dir}" PARENT_SCOPE)
endfunction()
