# The install layout on Linux: the program and the rule-file tool in bin/, the hosts writer in
# libexec/tesmolen/, its polkit action, the desktop entry and the icons. The program finds the
# writer from its own folder, so bin/ and libexec/ keep their places relative to each other.
if(WIN32)
    return()
endif()

include(GNUInstallDirs)

set(TESMOLEN_PKEXEC "/usr/bin/pkexec" CACHE FILEPATH "The pkexec that starts the hosts writer")
set(tesmolen_writer_dir "${CMAKE_INSTALL_LIBEXECDIR}/tesmolen")
set(TESMOLEN_HOSTS_WRITER_INSTALLED
    "${CMAKE_INSTALL_FULL_LIBEXECDIR}/tesmolen/tesmolen-hosts-writer")
file(RELATIVE_PATH tesmolen_writer_from_bin
    "${CMAKE_INSTALL_FULL_BINDIR}" "${TESMOLEN_HOSTS_WRITER_INSTALLED}")

configure_file(data/polkit/io.tesmolen.write-hosts.policy.in
    ${CMAKE_BINARY_DIR}/data/io.tesmolen.write-hosts.policy @ONLY)

install(FILES ${CMAKE_BINARY_DIR}/data/io.tesmolen.write-hosts.policy
    DESTINATION ${CMAKE_INSTALL_DATADIR}/polkit-1/actions)
install(FILES data/tesmolen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The targets exist once every part of the build has run.
function(tesmolen_install_targets)
    install(TARGETS tesmolen-rulefile RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(TARGETS tesmolen-hosts-writer RUNTIME DESTINATION ${tesmolen_writer_dir})
    if(TARGET tesmolen)
        install(TARGETS tesmolen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
    if(TARGET tesmolen_qt)
        target_compile_definitions(tesmolen_qt PRIVATE
            TESMOLEN_PKEXEC="${TESMOLEN_PKEXEC}"
            TESMOLEN_HOSTS_WRITER_FROM_BIN="${tesmolen_writer_from_bin}"
            TESMOLEN_HOSTS_PATH_OF_WRITER="${TESMOLEN_HOSTS_PATH}")
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_install_targets)
