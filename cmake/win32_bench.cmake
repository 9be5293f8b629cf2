# Benchmark of the Win32 window's rule list (included after win32.cmake, which defines
# tesmolen_win32).
if(TESMOLEN_BENCH AND TARGET tesmolen_win32)
    add_executable(tesmolen-bench-win32 bench/win32_list_bench.cpp bench/list_rows.cpp bench/blocklist.cpp
        bench/ratios.cpp tests/support/fake_ui.cpp)
    target_include_directories(tesmolen-bench-win32 PRIVATE bench tests)
    target_link_libraries(tesmolen-bench-win32 PRIVATE tesmolen_win32 tesmolen_window_pictures
        benchmark::benchmark)
endif()
