# Benchmarks: built only when asked for (scripts/bench, scripts/bench-windows), in a Release build.
option(TESMOLEN_BENCH "Build the benchmarks" OFF)
if(TESMOLEN_BENCH AND WIN32)
    # Google Benchmark from Debian's source package (scripts/bench-windows fetches it), its
    # library sources compiled here: its own build does not configure as part of another.
    set(TESMOLEN_BENCHMARK_SOURCE "" CACHE PATH "Unpacked source of Google Benchmark")
    file(GLOB benchmark_sources ${TESMOLEN_BENCHMARK_SOURCE}/src/*.cc)
    list(FILTER benchmark_sources EXCLUDE REGEX "benchmark_main\\.cc$")
    add_library(tesmolen_benchmark STATIC ${benchmark_sources})
    target_include_directories(tesmolen_benchmark SYSTEM PUBLIC ${TESMOLEN_BENCHMARK_SOURCE}/include)
    target_compile_definitions(tesmolen_benchmark
        PUBLIC BENCHMARK_STATIC_DEFINE PRIVATE HAVE_STD_REGEX HAVE_STEADY_CLOCK)
    target_compile_options(tesmolen_benchmark PRIVATE -w)
    target_link_libraries(tesmolen_benchmark PUBLIC shlwapi)
    add_library(benchmark::benchmark ALIAS tesmolen_benchmark)
elseif(TESMOLEN_BENCH)
    find_package(benchmark REQUIRED)
    file(GLOB TESMOLEN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
    list(FILTER TESMOLEN_BENCH_SOURCES EXCLUDE REGEX "bench/((qt|win32)_.*|list_rows)\\.cpp$")
    add_executable(tesmolen-bench ${TESMOLEN_BENCH_SOURCES}
        tests/support/fake_ui.cpp)
    target_include_directories(tesmolen-bench PRIVATE tests bench)
    target_link_libraries(tesmolen-bench PRIVATE tesmolen_core benchmark::benchmark)
endif()
