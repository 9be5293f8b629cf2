# Benchmarks of the real window (included after qt.cmake, which defines tesmolen_qt).
if(TESMOLEN_BENCH AND TARGET tesmolen_qt)
    add_executable(tesmolen-memory bench/qt_memory.cpp bench/blocklist.cpp)
    target_include_directories(tesmolen-memory PRIVATE bench)
    target_link_libraries(tesmolen-memory PRIVATE tesmolen_qt)
endif()
