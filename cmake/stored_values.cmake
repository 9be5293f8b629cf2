# The program's stored values, coded at build time by tesmolen-rulefile with fixed keys and salts
# so that the same settings always give the same program. Packagers point a build at the maker's
# real site with these cache variables.
set(TESMOLEN_MAKER_WEB_HOST "127.0.0.1:8080" CACHE STRING
    "The maker's web host (host or host:port): its pages are opened by the links")
set(TESMOLEN_MAKER_RULE_HOST "localhost:8080" CACHE STRING
    "The maker's rule host (host or host:port): the banner and the notice come from it")
if(WIN32)
    set(tesmolen_default_hosts_path "C:\\Windows\\System32\\drivers\\etc\\hosts")
else()
    set(tesmolen_default_hosts_path "/etc/hosts")
endif()
set(TESMOLEN_HOSTS_PATH "${tesmolen_default_hosts_path}" CACHE STRING
    "Path of the system hosts file")

foreach(host IN ITEMS "${TESMOLEN_MAKER_WEB_HOST}" "${TESMOLEN_MAKER_RULE_HOST}")
    if(NOT host MATCHES "^[A-Za-z0-9._:-]+$|^\\[[0-9A-Fa-f:.]+\\](:[0-9]+)?$")
        message(FATAL_ERROR "Not a host or host:port: \"${host}\"")
    endif()
endforeach()
if(TESMOLEN_HOSTS_PATH STREQUAL "")
    message(FATAL_ERROR "TESMOLEN_HOSTS_PATH is empty")
endif()

set(tesmolen_stored_values_cpp ${CMAKE_BINARY_DIR}/generated/stored_values.cpp)
set(tesmolen_generator ${CMAKE_CURRENT_LIST_DIR}/scripts/generate_stored_values.cmake)
# Rewritten only when a setting changes, so that a change codes the values again.
set(tesmolen_stored_settings ${CMAKE_BINARY_DIR}/generated/stored_values.settings)
file(CONFIGURE OUTPUT ${tesmolen_stored_settings} CONTENT
    "${TESMOLEN_MAKER_WEB_HOST}\n${TESMOLEN_MAKER_RULE_HOST}\n${TESMOLEN_HOSTS_PATH}\n")
add_custom_command(
    OUTPUT ${tesmolen_stored_values_cpp}
    COMMAND ${CMAKE_COMMAND}
        -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
        -DTOOL=$<TARGET_FILE:tesmolen-rulefile>
        -DOUTPUT=${tesmolen_stored_values_cpp}
        -DWEB_HOST=${TESMOLEN_MAKER_WEB_HOST}
        -DRULE_HOST=${TESMOLEN_MAKER_RULE_HOST}
        -DHOSTS_PATH=${TESMOLEN_HOSTS_PATH}
        -P ${tesmolen_generator}
    DEPENDS tesmolen-rulefile ${tesmolen_generator} ${tesmolen_stored_settings}
    COMMENT "Coding the stored values"
    VERBATIM)

# Apart from tesmolen_core: the tool that codes the values is itself built on that library.
add_library(tesmolen_stored_values STATIC ${tesmolen_stored_values_cpp})
target_link_libraries(tesmolen_stored_values PUBLIC tesmolen_core)

# The window target and the test suites are made after this file has run.
function(tesmolen_link_stored_values)
    foreach(window IN ITEMS tesmolen_qt tesmolen_win32)
        if(TARGET ${window})
            target_link_libraries(${window} PUBLIC tesmolen_stored_values)
        endif()
    endforeach()
    if(TARGET test_app)
        string(REPLACE "\\" "\\\\" hosts_path "${TESMOLEN_HOSTS_PATH}")
        target_link_libraries(test_app PRIVATE tesmolen_stored_values)
        target_compile_definitions(test_app PRIVATE
            TESMOLEN_MAKER_WEB_HOST="${TESMOLEN_MAKER_WEB_HOST}"
            TESMOLEN_MAKER_RULE_HOST="${TESMOLEN_MAKER_RULE_HOST}"
            TESMOLEN_HOSTS_PATH="${hosts_path}")
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_link_stored_values)
