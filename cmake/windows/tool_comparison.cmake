# The rule-file tool of this Windows build against the same tool built for Linux from the same
# sources: a test runs both over a corpus and wants the same bytes from each (see
# compare_rulefile_tools.cmake).
if(NOT TESMOLEN_TESTS)
    return()
endif()

include(ExternalProject)
set(tesmolen_linux_tool_build ${CMAKE_BINARY_DIR}/linux-tool)
ExternalProject_Add(linux_rulefile_tool
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${tesmolen_linux_tool_build}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTESMOLEN_GUI=OFF -DTESMOLEN_TESTS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target tesmolen-rulefile
    BUILD_BYPRODUCTS ${tesmolen_linux_tool_build}/tesmolen-rulefile
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD OFF)

function(tesmolen_add_tool_comparison)
    add_test(NAME rulefile_tool_matches_linux
        COMMAND ${CMAKE_COMMAND}
            -DLINUX_TOOL=${tesmolen_linux_tool_build}/tesmolen-rulefile
            -DWINDOWS_TOOL=$<TARGET_FILE:tesmolen-rulefile>
            -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
            -DWORK=${CMAKE_BINARY_DIR}/tool-comparison
            "-DCORPUS=${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/*/*;${CMAKE_SOURCE_DIR}/site-src/*;${CMAKE_SOURCE_DIR}/site-src/rules/*;${CMAKE_SOURCE_DIR}/site/kovrel/ad/rules/*"
            -P ${CMAKE_SOURCE_DIR}/cmake/windows/compare_rulefile_tools.cmake)
    add_dependencies(tesmolen-rulefile linux_rulefile_tool)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_add_tool_comparison)
