# The suite of the network and desktop-shell realisations (tests/net). With the window's build it
# links that; without it, the network alone is built for the suite, as it needs no toolkit.
function(tesmolen_build_net_tests)
    if(NOT TARGET test_net)
        return()
    endif()
    if(TARGET tesmolen_qt)
        target_link_libraries(test_net PRIVATE tesmolen_qt)
        target_sources(test_net PRIVATE ${CMAKE_SOURCE_DIR}/tests/net/qt/desktop_shell_test.cpp)
    else()
        find_package(CURL REQUIRED)
        target_sources(test_net PRIVATE ${CMAKE_SOURCE_DIR}/src/runtime/qt/curl_net.cpp)
        target_link_libraries(test_net PRIVATE CURL::libcurl)
    endif()
endfunction()

# On Windows the suite tests the Win32 services beside the window (HTTP, reachability, opening
# pages, the desktop's windows, pictures), on the window's virtual display.
function(tesmolen_build_win32_net_tests)
    if(NOT TARGET tesmolen_win32 OR NOT TARGET tesmolen_test_support)
        return()
    endif()
    set(folder ${CMAKE_SOURCE_DIR}/tests/net/win32)
    # Stands in for Explorer when the shell opens a page.
    add_executable(page-opener ${folder}/page_opener/main.cpp)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    add_executable(test_net_win32 ${sources})
    target_link_libraries(test_net_win32 PRIVATE tesmolen_win32 tesmolen_test_support
        GTest::gtest_main)
    add_dependencies(test_net_win32 page-opener)
    add_test(NAME test_net_win32
        COMMAND ${CMAKE_BINARY_DIR}/wine-window-run $<TARGET_FILE:test_net_win32>)
    set_tests_properties(test_net_win32 PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)
endfunction()

if(WIN32)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_build_win32_net_tests)
else()
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_build_net_tests)
endif()
