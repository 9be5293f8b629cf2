# The window on Win32 common controls, the network on WinHTTP and Winsock, and the program
# tesmolen.exe itself (Windows builds).

if(NOT WIN32 OR NOT TESMOLEN_GUI)
    return()
endif()

file(GLOB TESMOLEN_WIN32_SOURCES CONFIGURE_DEPENDS src/runtime/win32/*.cpp)
add_library(tesmolen_win32 STATIC ${TESMOLEN_WIN32_SOURCES})
target_compile_definitions(tesmolen_win32 PUBLIC UNICODE _UNICODE NOMINMAX)
target_link_libraries(tesmolen_win32 PUBLIC tesmolen_core
    comctl32 comdlg32 uxtheme gdiplus shlwapi shell32 ole32 winhttp ws2_32 gdi32 user32)

# The window's pictures, compiled in as RCDATA named by their paths in the layout. Every program
# that shows the window links these objects itself: resources in a static library would be left out.
set(TESMOLEN_PICTURES ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures)
configure_file(cmake/windows/window_pictures.rc.in ${CMAKE_BINARY_DIR}/window_pictures.rc @ONLY)
add_library(tesmolen_window_pictures OBJECT ${CMAKE_BINARY_DIR}/window_pictures.rc)

add_executable(tesmolen WIN32 src/app/main.cpp)
target_link_libraries(tesmolen PRIVATE tesmolen_win32 tesmolen_window_pictures)
tesmolen_add_version_record(tesmolen "Tesmolen 屏蔽各类广告")

# Windows of this build are shown under Wine on a virtual X display (tests, screenshots,
# benchmarks): wine-window-run sets up a prefix of its own for them.
set(TESMOLEN_WINDOW_PREFIX ${CMAKE_BINARY_DIR}/wine-window)
set(TESMOLEN_WINDOW_SETTINGS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows/window-settings.reg)
configure_file(cmake/windows/wine-window-run.in ${CMAKE_BINARY_DIR}/wine-window-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
