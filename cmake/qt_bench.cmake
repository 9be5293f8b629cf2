# Benchmarks of the real window (included after qt.cmake, which defines tesmolen_qt).
if(TESMOLEN_BENCH AND TARGET tesmolen_qt)
    add_executable(tesmolen-memory bench/qt_memory.cpp bench/blocklist.cpp)
    target_include_directories(tesmolen-memory PRIVATE bench)
    target_link_libraries(tesmolen-memory PRIVATE tesmolen_qt)
    add_executable(tesmolen-bench-qt bench/qt_list_bench.cpp bench/list_rows.cpp bench/blocklist.cpp
        bench/ratios.cpp tests/support/fake_ui.cpp tests/support/fake_seams.cpp)
    target_include_directories(tesmolen-bench-qt PRIVATE bench tests)
    target_link_libraries(tesmolen-bench-qt PRIVATE tesmolen_qt benchmark::benchmark)
endif()
