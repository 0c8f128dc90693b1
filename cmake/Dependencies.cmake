# Third-party libraries, all from Debian: -dev packages for the native build,
# MinGW packages or Debian source packages for the Windows build.
include(FetchDebianSource)

if(NOT WIN32)
    find_package(tinyxml2 CONFIG REQUIRED)
    find_package(ZLIB REQUIRED)
    find_library(LIBDEFLATE_LIBRARY deflate REQUIRED)
    find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h REQUIRED)
    add_library(libdeflate::libdeflate UNKNOWN IMPORTED)
    set_target_properties(libdeflate::libdeflate PROPERTIES
        IMPORTED_LOCATION "${LIBDEFLATE_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${LIBDEFLATE_INCLUDE_DIR}")
    find_path(SIMPLEINI_INCLUDE_DIR SimpleIni.h REQUIRED)
    add_library(simpleini INTERFACE)
    target_include_directories(simpleini SYSTEM INTERFACE "${SIMPLEINI_INCLUDE_DIR}")
    if(EXTRACTOR_BUILD_TESTS)
        find_package(GTest REQUIRED)
    endif()
    return()
endif()

# --- Windows (MinGW) ---
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

if(EXTRACTOR_SHELL_EXTENSION_ONLY)
    # The shell extension needs none of the libraries below.
elseif(NOT TARGET tinyxml2::tinyxml2)
    fetch_debian_source(tinyxml2 TINYXML2_SOURCE_DIR)
    set(tinyxml2_BUILD_TESTING OFF CACHE BOOL "" FORCE)
    set(BUILD_SHARED_LIBS OFF)
    add_subdirectory("${TINYXML2_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/tinyxml2" EXCLUDE_FROM_ALL SYSTEM)
endif()

if(NOT EXTRACTOR_SHELL_EXTENSION_ONLY AND NOT TARGET libdeflate::libdeflate)
    fetch_debian_source(libdeflate LIBDEFLATE_SOURCE_DIR)
    add_library(libdeflate_static STATIC
        "${LIBDEFLATE_SOURCE_DIR}/lib/deflate_decompress.c"
        "${LIBDEFLATE_SOURCE_DIR}/lib/deflate_compress.c"
        "${LIBDEFLATE_SOURCE_DIR}/lib/crc32.c"
        "${LIBDEFLATE_SOURCE_DIR}/lib/adler32.c"
        "${LIBDEFLATE_SOURCE_DIR}/lib/utils.c"
        "${LIBDEFLATE_SOURCE_DIR}/lib/x86/cpu_features.c")
    target_include_directories(libdeflate_static SYSTEM PUBLIC "${LIBDEFLATE_SOURCE_DIR}")
    target_compile_options(libdeflate_static PRIVATE -O2 -w)
    set_target_properties(libdeflate_static PROPERTIES C_STANDARD 99)
    add_library(libdeflate::libdeflate ALIAS libdeflate_static)
endif()

if(EXTRACTOR_BUILD_TESTS AND NOT TARGET GTest::gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
    # GoogleTest's own build defines the GTest:: aliases.
endif()
