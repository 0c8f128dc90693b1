# extractor_add_test(NAME <name> SOURCES <files...> [LIBRARIES <targets...>] [GUI])
#
# One GoogleTest executable. Natively every case is its own CTest test. On Windows
# the executable runs under Wine as one CTest test: starting a Wine process costs
# seconds (more under emulation), so the cases share one process.
include(GoogleTest)

cmake_path(ABSOLUTE_PATH CMAKE_SOURCE_DIR OUTPUT_VARIABLE _src NORMALIZE)
cmake_path(GET _src PARENT_PATH _parent)
set(EXTRACTOR_SHARED_DIR "${_parent}/shared" CACHE PATH "Folder with the shared test data (zip-corpus)")

function(extractor_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} extractor_test_support extractor_test_main GTest::gmock)
    if(WIN32)
        add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
        set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 900)
        if(T_GUI)
            set_tests_properties(${T_NAME} PROPERTIES LABELS gui)
        endif()
    else()
        # NO_PRETTY_VALUES: a case is named by its name generator (or its index),
        # never by the bytes of its parameter.
        gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
            PROPERTIES TIMEOUT 300)
    endif()
endfunction()
