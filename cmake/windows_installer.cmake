# The Windows installer, tesmolen-<version>-setup.exe (NSIS): the program and the rule-file tool,
# stripped, under Program Files, with a Start-menu shortcut and an uninstaller. Its test installs,
# starts and uninstalls it under Wine in a prefix of its own (tests/package/windows). It ships the
# 32-bit program; a 64-bit build, which only tests the code on machines that run no 32-bit
# programs (NSIS's installers are 32-bit too), makes none.
if(NOT WIN32 OR NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
endif()

find_program(TESMOLEN_MAKENSIS makensis)

function(tesmolen_build_installer)
    if(NOT TARGET tesmolen OR NOT TESMOLEN_MAKENSIS)
        return()
    endif()
    set(setup ${CMAKE_BINARY_DIR}/tesmolen-${PROJECT_VERSION}-setup.exe)
    set(script ${CMAKE_SOURCE_DIR}/resources/windows/installer.nsi)
    set(icon ${CMAKE_SOURCE_DIR}/resources/pictures/icon.ico)
    set(programs ${CMAKE_BINARY_DIR}/installer-programs)
    add_custom_command(OUTPUT ${setup}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${programs}
        COMMAND ${CMAKE_STRIP} -o ${programs}/tesmolen.exe $<TARGET_FILE:tesmolen>
        COMMAND ${CMAKE_STRIP} -o ${programs}/tesmolen-rulefile.exe
            $<TARGET_FILE:tesmolen-rulefile>
        COMMAND ${TESMOLEN_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPROGRAMS=${programs}
            -DICON=${icon} -DOUTFILE=${setup} ${script}
        DEPENDS tesmolen tesmolen-rulefile ${script} ${icon}
        COMMENT "Making the installer ${setup}"
        VERBATIM)
    add_custom_target(installer ALL DEPENDS ${setup})

    if(TARGET GTest::gtest_main)
        set(folder ${CMAKE_SOURCE_DIR}/tests/package/windows)
        add_executable(test_installer ${folder}/installer_test.cpp)
        target_link_libraries(test_installer PRIVATE tesmolen_win32 GTest::gtest_main version)
        add_dependencies(test_installer installer)
        add_test(NAME test_installer COMMAND ${folder}/run-installer-test ${setup}
            $<TARGET_FILE:test_installer> ${CMAKE_BINARY_DIR}/wine-installer
            ${TESMOLEN_WINE_PREFIX_SETUP})
        set_tests_properties(test_installer PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_build_installer)
