# Writes the definition of defaultStoredValues(): each value coded by the rule-file tool under its
# own key with a fixed salt. Run by cmake/stored_values.cmake with TOOL, OUTPUT, WEB_HOST,
# RULE_HOST and HOSTS_PATH set, and EMULATOR when the tool is a program of another system.

# The tool turns the value, UTF-8 here, into GBK as the program's texts are; a value without a
# GBK form stops the build.
function(code value key salt result)
    execute_process(
        COMMAND ${EMULATOR} ${TOOL} encode --key ${key} --salt ${salt} --text "${value}"
        OUTPUT_VARIABLE cipher RESULT_VARIABLE failed)
    if(failed OR NOT cipher MATCHES "^[A-Z]+$")
        message(FATAL_ERROR "tesmolen-rulefile could not code \"${value}\"")
    endif()
    set(${result} "{\"${cipher}\", \"${key}\"}" PARENT_SCOPE)
endfunction()

set(site "http://${RULE_HOST}/kovrel/ad")
code("${site}/banner1.jpg" "sun" "KA" banner1)
code("${site}/banner2.jpg" "river" "KB" banner2)
code("${site}/banner3.jpg" "moon" "KC" banner3)
code("${site}/notice.txt" "tx" "KD" notice)
code("${HOSTS_PATH}" "etc" "KE" hosts)

file(CONFIGURE OUTPUT ${OUTPUT} @ONLY CONTENT [[
// Made by cmake/scripts/generate_stored_values.cmake; do not edit.
#include "app/stored_values.hpp"

namespace tesmolen {

StoredValues defaultStoredValues() {
    return {
        @banner1@,
        @banner2@,
        @banner3@,
        @notice@,
        @hosts@,
        "@WEB_HOST@",
        "@RULE_HOST@",
    };
}

}  // namespace tesmolen
]])
