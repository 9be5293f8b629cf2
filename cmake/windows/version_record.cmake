# The version record of a Windows program (version.rc.in): the build's version from the project,
# the product's name and the program's own description, and the program icon. Checked in the
# built programs by check_version_record.cmake.
function(tesmolen_add_version_record target description)
    set(name ${target}.exe)
    set(TESMOLEN_ICON ${CMAKE_SOURCE_DIR}/resources/pictures/icon.ico)
    set(resource ${CMAKE_BINARY_DIR}/${target}-version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/windows/version.rc.in ${resource} @ONLY)
    set_property(SOURCE ${resource} APPEND PROPERTY OBJECT_DEPENDS ${TESMOLEN_ICON})
    target_sources(${target} PRIVATE ${resource})
endfunction()
