# tesmolen-hosts-writer, the privileged helper that writes the system hosts file for a user on
# Linux, and a second build of it that writes a scratch file instead, for the tests. Made once
# the hosts path is known and the test suites exist.
if(WIN32)
    return()
endif()

function(tesmolen_add_hosts_writer target hosts_path)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/tools/hosts_writer/tesmolen_hosts_writer.cpp)
    target_link_libraries(${target} PRIVATE tesmolen_core)
    target_compile_definitions(${target} PRIVATE TESMOLEN_HOSTS_WRITER_PATH="${hosts_path}")
endfunction()

function(tesmolen_make_hosts_writers)
    tesmolen_add_hosts_writer(tesmolen-hosts-writer "${TESMOLEN_HOSTS_PATH}")
    if(TARGET test_tools)
        set(scratch_hosts ${CMAKE_BINARY_DIR}/scratch-hosts/hosts)
        tesmolen_add_hosts_writer(tesmolen-hosts-writer-scratch "${scratch_hosts}")
        target_compile_definitions(test_tools PRIVATE
            TESMOLEN_HOSTS_WRITER="$<TARGET_FILE:tesmolen-hosts-writer>"
            TESMOLEN_SCRATCH_HOSTS_WRITER="$<TARGET_FILE:tesmolen-hosts-writer-scratch>"
            TESMOLEN_SCRATCH_HOSTS="${scratch_hosts}")
        add_dependencies(test_tools tesmolen-hosts-writer tesmolen-hosts-writer-scratch)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_make_hosts_writers)
