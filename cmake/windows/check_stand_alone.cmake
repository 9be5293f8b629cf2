# Fails when a program of the Windows build is not of the build's format (pei-i386 for 32-bit x86,
# pei-x86-64) or needs a DLL that Windows does not ship (the compiler's runtime, winpthread,
# PCRE2): each one must run with nothing beside it. Run with OBJDUMP, FORMAT and PROGRAMS set.

foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers
        RESULT_VARIABLE failed)
    if(failed OR NOT headers MATCHES "file format ${FORMAT}\n")
        message(FATAL_ERROR "${program} is not a Windows program of format ${FORMAT}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
    foreach(import IN LISTS imports)
        string(REPLACE "DLL Name: " "" dll "${import}")
        if(dll MATCHES "^lib|pcre2|gtest")
            message(FATAL_ERROR "${program} needs ${dll} beside it")
        endif()
    endforeach()
    list(JOIN imports ", " shown)
    message(STATUS "${program}: ${shown}")
endforeach()
