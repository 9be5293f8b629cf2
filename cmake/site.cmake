# The suite that checks the maker's site as shipped in site/.
function(tesmolen_locate_site_for_tests)
    if(TARGET test_site)
        target_compile_definitions(test_site PRIVATE
            TESMOLEN_SITE_DIR="${CMAKE_SOURCE_DIR}/site")
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tesmolen_locate_site_for_tests)
