# libFuzzer builds of the fuzz targets (clang only; scripts/fuzz configures this). Targets may
# reach the rule-file tool's commands as well as the core.
option(TESMOLEN_FUZZ "Build the libFuzzer targets" OFF)
if(TESMOLEN_FUZZ)
    file(GLOB TESMOLEN_FUZZ_TARGETS CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
    foreach(source IN LISTS TESMOLEN_FUZZ_TARGETS)
        get_filename_component(name ${source} NAME_WE)
        string(REGEX REPLACE "_fuzz$" "" name ${name})
        add_executable(fuzz_${name} ${source} tests/support/fake_ui.cpp)
        target_include_directories(fuzz_${name} PRIVATE tests)
        target_link_libraries(fuzz_${name} PRIVATE tesmolen_core tesmolen_rulefile_pieces)
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    endforeach()
endif()
