# 64-bit Windows: the same programs, for testing them on machines that run no 32-bit programs.
set(tesmolen_mingw_processor x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
