# Benchmarks: built only when asked for (scripts/bench), in a Release build.
option(TESMOLEN_BENCH "Build the benchmarks" OFF)
if(TESMOLEN_BENCH)
    find_package(benchmark REQUIRED)
    file(GLOB TESMOLEN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
    list(FILTER TESMOLEN_BENCH_SOURCES EXCLUDE REGEX "bench/qt_.*\\.cpp$")
    add_executable(tesmolen-bench ${TESMOLEN_BENCH_SOURCES}
        tests/support/fake_ui.cpp)
    target_include_directories(tesmolen-bench PRIVATE tests bench)
    target_link_libraries(tesmolen-bench PRIVATE tesmolen_core benchmark::benchmark)
endif()

