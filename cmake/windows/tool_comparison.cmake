# Tests of the Windows programs as files: the rule-file tool against the same tool built for Linux
# from the same sources (both run over a corpus must give the same bytes, see
# compare_rulefile_tools.cmake), each program standing alone (check_stand_alone.cmake), and each
# program's version record (check_version_record.cmake).
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
    add_test(NAME windows_programs_stand_alone
        COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DFORMAT=${tesmolen_program_format}
            -DPROGRAMS=$<TARGET_FILE:tesmolen-rulefile>
            -P ${CMAKE_SOURCE_DIR}/cmake/windows/check_stand_alone.cmake)
    set(records "tesmolen-rulefile=Tesmolen 规则文件工具")
    if(TARGET tesmolen)
        list(APPEND records "tesmolen=Tesmolen 屏蔽各类广告")
    endif()
    foreach(record IN LISTS records)
        string(REGEX MATCH "^[^=]+" program "${record}")
        string(REGEX REPLACE "^[^=]+=" "" description "${record}")
        add_test(NAME ${program}_version_record
            COMMAND ${CMAKE_COMMAND} -DWINDRES=${CMAKE_RC_COMPILER} -DPROGRAM=$<TARGET_FILE:${program}>
                "-DDESCRIPTION=${description}" -DVERSION=${PROJECT_VERSION}
                -P ${CMAKE_SOURCE_DIR}/cmake/windows/check_version_record.cmake)
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_add_tool_comparison)
