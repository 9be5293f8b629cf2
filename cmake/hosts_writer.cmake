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

# The save of a user through the real pkexec and polkit, on the real window.
function(tesmolen_make_real_save_test)
    if(NOT TARGET test_gui)
        return()
    endif()
    # A folder that user nobody can read and only root can write; the test makes and removes it.
    set(hosts /run/tesmolen-real-save/etc/hosts)
    tesmolen_add_hosts_writer(tesmolen-hosts-writer-real-save "${hosts}")
    add_executable(tesmolen-real-save ${CMAKE_SOURCE_DIR}/tests/gui/real_save/main.cpp)
    target_link_libraries(tesmolen-real-save PRIVATE tesmolen_qt Qt6::Test)
    target_compile_definitions(tesmolen-real-save PRIVATE TESMOLEN_PKEXEC="${TESMOLEN_PKEXEC}")
    add_test(NAME RealSave.UserSavesThroughPkexec
        COMMAND ${CMAKE_SOURCE_DIR}/tests/gui/real_save/real_save_test.sh
            $<TARGET_FILE:tesmolen-real-save> $<TARGET_FILE:tesmolen-hosts-writer-real-save>
            ${CMAKE_SOURCE_DIR}/data/polkit/io.tesmolen.write-hosts.policy.in ${hosts})
    set_tests_properties(RealSave.UserSavesThroughPkexec PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_make_real_save_test)
