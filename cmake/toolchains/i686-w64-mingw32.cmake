# 32-bit Windows: the programs Tesmolen ships.
set(tesmolen_mingw_processor i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
