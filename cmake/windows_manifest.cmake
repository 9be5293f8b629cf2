# The application manifest of the Windows program tesmolen.exe: common controls 6, DPI awareness
# and administrator rights, which writing the system's hosts file needs. The icon and the version
# record come with windows/version_record.cmake where the program is made.
if(NOT WIN32)
    return()
endif()

function(tesmolen_attach_manifest)
    if(NOT TARGET tesmolen)
        return()
    endif()
    set(TESMOLEN_MANIFEST ${CMAKE_SOURCE_DIR}/resources/windows/tesmolen.manifest)
    set(resource ${CMAKE_BINARY_DIR}/manifest.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/windows/manifest.rc.in ${resource} @ONLY)
    set_property(SOURCE ${resource} APPEND PROPERTY OBJECT_DEPENDS ${TESMOLEN_MANIFEST})
    target_sources(tesmolen PRIVATE ${resource})
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_attach_manifest)
