# Warnings, sanitizers and Windows API settings shared by every target.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra)
endif()

if(EXTRACTOR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    # The program uses the ANSI ("A") functions and runs on Windows 7 and later.
    add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800 NOMINMAX)
    # MinGW's printf family follows the C standard rather than msvcrt's.
    add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
endif()

if(CMAKE_CROSSCOMPILING AND WIN32)
    set(EXTRACTOR_WINEPREFIX "${PROJECT_SOURCE_DIR}/build/wine" CACHE PATH "Wine prefix for the Windows tests")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
        @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
