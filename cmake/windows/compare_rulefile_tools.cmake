# Runs the Linux and the Windows rule-file tool over every file of the corpus and fails, naming
# each case, where their bytes or exit codes differ: rows, hosts, decode and encode with a given salt,
# and each tool decoding what the other one coded. Run with LINUX_TOOL, WINDOWS_TOOL, EMULATOR,
# WORK and CORPUS (a list of globs) set.

file(GLOB inputs LIST_DIRECTORIES false ${CORPUS})
list(SORT inputs)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(mismatches "")
set(runs 0)

# Runs one tool; its output goes to ${WORK}/<name>.out and its exit code to <name>_code.
function(run_tool name input)
    if(name MATCHES "^windows")
        set(command ${EMULATOR} ${WINDOWS_TOOL})
    else()
        set(command ${LINUX_TOOL})
    endif()
    execute_process(COMMAND ${command} ${ARGN}
        INPUT_FILE ${input} OUTPUT_FILE ${WORK}/${name}.out ERROR_QUIET
        RESULT_VARIABLE code)
    set(${name}_code ${code} PARENT_SCOPE)
endfunction()

# Runs both tools the same way and notes where they differ.
function(compare what input)
    run_tool(linux ${input} ${ARGN})
    run_tool(windows ${input} ${ARGN})
    file(SHA256 ${WORK}/linux.out linux_bytes)
    file(SHA256 ${WORK}/windows.out windows_bytes)
    if(NOT linux_code STREQUAL windows_code OR NOT linux_bytes STREQUAL windows_bytes)
        list(APPEND mismatches "${what}: exit ${linux_code} and ${windows_code}")
        set(mismatches ${mismatches} PARENT_SCOPE)
    endif()
    math(EXPR runs "${runs} + 1")
    set(runs ${runs} PARENT_SCOPE)
endfunction()

set(salts AA QZ KM ZA)
set(salt_index 0)
foreach(input IN LISTS inputs)
    file(RELATIVE_PATH name ${CMAKE_CURRENT_LIST_DIR}/../.. ${input})
    foreach(command rows hosts decode)
        compare("${command} ${name}" ${input} ${command})
    endforeach()
    math(EXPR salt_index "(${salt_index} + 1) % 4")
    list(GET salts ${salt_index} salt)
    compare("encode --salt ${salt} ${name}" ${input} encode --salt ${salt})
    # Each side decodes the other's cipher text.
    file(RENAME ${WORK}/linux.out ${WORK}/linux-cipher)
    file(RENAME ${WORK}/windows.out ${WORK}/windows-cipher)
    run_tool(windows ${WORK}/linux-cipher decode)
    run_tool(linux ${WORK}/windows-cipher decode)
    file(SHA256 ${WORK}/windows.out windows_reads_linux)
    file(SHA256 ${WORK}/linux.out linux_reads_windows)
    if(NOT windows_reads_linux STREQUAL linux_reads_windows)
        list(APPEND mismatches "decode of the other's cipher of ${name}")
    endif()
endforeach()

list(LENGTH inputs count)
if(count EQUAL 0)
    message(FATAL_ERROR "no corpus files in ${CORPUS}")
endif()
if(mismatches)
    list(JOIN mismatches "\n  " shown)
    message(FATAL_ERROR "The tools differ:\n  ${shown}")
endif()
message(STATUS "${count} files, ${runs} commands and the cross decodes: the same bytes")
