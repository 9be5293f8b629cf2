# Fails when a program of the Windows build is not a 32-bit x86 program or needs a DLL that
# Windows does not ship (the compiler's runtime, winpthread, PCRE2): each one must run with
# nothing beside it. Run with OBJDUMP and PROGRAMS set.

foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers
        RESULT_VARIABLE failed)
    if(failed OR NOT headers MATCHES "file format pei-i386")
        message(FATAL_ERROR "${program} is not a 32-bit x86 Windows program")
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
