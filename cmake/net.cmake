# The libcurl realisation of the network. The window's build links it with the rest of the Qt
# runtime; its own suite (tests/net) builds it here, as it needs no toolkit.
find_package(CURL REQUIRED)

function(tesmolen_build_net_tests)
    if(TARGET test_net)
        target_sources(test_net PRIVATE ${CMAKE_SOURCE_DIR}/src/runtime/qt/curl_net.cpp)
        target_link_libraries(test_net PRIVATE CURL::libcurl)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_build_net_tests)

# The desktop shell needs Qt's process control, so its test joins the suite only with the window.
function(tesmolen_build_shell_tests)
    if(TARGET test_net AND TESMOLEN_GUI)
        find_package(Qt6 REQUIRED COMPONENTS Core)
        target_sources(test_net PRIVATE
            ${CMAKE_SOURCE_DIR}/src/runtime/qt/desktop_shell.cpp
            ${CMAKE_SOURCE_DIR}/tests/net/qt/desktop_shell_test.cpp)
        target_link_libraries(test_net PRIVATE Qt6::Core)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_build_shell_tests)
