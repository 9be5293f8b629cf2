# The maker's command-line tool tesmolen-rulefile. Its pieces form a library of their own so that
# the tests in tests/tools can use them, and those tests also run the built tool.
file(GLOB TESMOLEN_RULEFILE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/*.cpp)
list(FILTER TESMOLEN_RULEFILE_SOURCES EXCLUDE REGEX "/tesmolen_rulefile\\.cpp$")
add_library(tesmolen_rulefile_pieces STATIC ${TESMOLEN_RULEFILE_SOURCES})
target_include_directories(tesmolen_rulefile_pieces PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/tools)
target_link_libraries(tesmolen_rulefile_pieces PUBLIC tesmolen_core)

add_executable(tesmolen-rulefile ${CMAKE_CURRENT_SOURCE_DIR}/tools/tesmolen_rulefile.cpp)
target_link_libraries(tesmolen-rulefile PRIVATE tesmolen_rulefile_pieces)
if(WIN32)
    # CommandLineToArgvW: the arguments as the wide command line holds them.
    target_link_libraries(tesmolen-rulefile PRIVATE shell32)
    tesmolen_add_version_record(tesmolen-rulefile "Tesmolen 规则文件工具")
endif()

# The test suite of tools/ is made by tests/CMakeLists.txt, after this file has run.
function(tesmolen_link_tool_tests)
    if(TARGET test_tools)
        target_link_libraries(test_tools PRIVATE tesmolen_rulefile_pieces)
        target_compile_definitions(test_tools PRIVATE
            TESMOLEN_RULEFILE_TOOL="$<TARGET_FILE:tesmolen-rulefile>"
            TESMOLEN_CMAKE_COMMAND="${CMAKE_COMMAND}")
        add_dependencies(test_tools tesmolen-rulefile)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_link_tool_tests)
