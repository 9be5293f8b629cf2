# What the Windows build takes from elsewhere: PCRE2 built from Debian's source package (fetched by
# scripts/setup-windows), GoogleTest from the sources Debian ships, Wine to run the programs of
# this build (the rule-file tool while building, the test suites), and the Linux rule-file tool
# to compare this build's with.

# Wine, in a prefix of this build's own. A 64-bit build (for machines whose kernel runs no 32-bit
# programs) runs under Wine's 64-bit loader, which Debian's wine script picks only when wine32 is
# missing. tesmolen_program_format is the programs' format as objdump names it.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TESMOLEN_WINEARCH win64)
    set(TESMOLEN_WINE /usr/lib/wine/wine64)
    set(tesmolen_program_format pei-x86-64)
else()
    set(TESMOLEN_WINEARCH win32)
    set(TESMOLEN_WINE wine)
    set(tesmolen_program_format pei-i386)
endif()
# Every prefix of the build is set up by wine-prefix, with the same fonts.
set(TESMOLEN_WINE_FONTS ${CMAKE_CURRENT_LIST_DIR}/wine-fonts.reg)
set(TESMOLEN_WINE_PREFIX_SETUP ${CMAKE_BINARY_DIR}/wine-prefix)
set(TESMOLEN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
foreach(runner IN ITEMS wine-prefix wine-run)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${runner}.in ${CMAKE_BINARY_DIR}/${runner} @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                         WORLD_READ WORLD_EXECUTE)
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# PCRE2, static, with its JIT compiler.
set(TESMOLEN_PCRE2_SOURCE "" CACHE PATH "Unpacked source of PCRE2 (scripts/setup-windows fetches it)")
if(NOT EXISTS "${TESMOLEN_PCRE2_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "TESMOLEN_PCRE2_SOURCE does not name PCRE2's source: run scripts/setup-windows")
endif()
include(ExternalProject)
set(pcre2_install ${CMAKE_BINARY_DIR}/pcre2)
set(pcre2_library ${pcre2_install}/lib/libpcre2-8.a)
ExternalProject_Add(pcre2_build
    SOURCE_DIR ${TESMOLEN_PCRE2_SOURCE}
    BINARY_DIR ${CMAKE_BINARY_DIR}/pcre2-build
    INSTALL_DIR ${pcre2_install}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
        -DBUILD_SHARED_LIBS=OFF
        -DPCRE2_SUPPORT_JIT=ON
        -DPCRE2_BUILD_PCRE2GREP=OFF
        -DPCRE2_BUILD_TESTS=OFF
        -Wno-dev
    BUILD_BYPRODUCTS ${pcre2_library}
    UPDATE_COMMAND ""
    USES_TERMINAL_BUILD OFF)
file(MAKE_DIRECTORY ${pcre2_install}/include)
add_library(tesmolen_pcre2 STATIC IMPORTED)
set_target_properties(tesmolen_pcre2 PROPERTIES
    IMPORTED_LOCATION ${pcre2_library}
    INTERFACE_INCLUDE_DIRECTORIES ${pcre2_install}/include
    INTERFACE_COMPILE_DEFINITIONS PCRE2_STATIC)
add_dependencies(tesmolen_pcre2 pcre2_build)

# GoogleTest and GoogleMock, from libgtest-dev's and libgmock-dev's sources.
if(TESMOLEN_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/tool_comparison.cmake)
