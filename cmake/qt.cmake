# The window on Qt 6 Widgets, the network on libcurl, and the program `tesmolen` itself.

# Windows builds have the Win32 window (win32.cmake).
if(NOT TESMOLEN_GUI OR WIN32)
    return()
endif()

find_package(Qt6 COMPONENTS Widgets Test)
find_package(CURL)
if(NOT Qt6Widgets_FOUND OR NOT CURL_FOUND)
    message(STATUS "Qt 6 Widgets or libcurl not found: building without the window")
    return()
endif()

file(GLOB TESMOLEN_QT_SOURCES CONFIGURE_DEPENDS src/runtime/qt/*.cpp)
add_library(tesmolen_qt STATIC ${TESMOLEN_QT_SOURCES})
set_target_properties(tesmolen_qt PROPERTIES AUTOMOC ON)
target_link_libraries(tesmolen_qt PUBLIC tesmolen_core Qt6::Widgets CURL::libcurl)

# Pictures and texts of the window, compiled in.
set(TESMOLEN_QRC ${CMAKE_CURRENT_SOURCE_DIR}/resources/tesmolen.qrc)
if(EXISTS ${TESMOLEN_QRC})
    qt_add_resources(TESMOLEN_RESOURCE_SOURCES ${TESMOLEN_QRC})
    target_sources(tesmolen_qt PRIVATE ${TESMOLEN_RESOURCE_SOURCES})
    target_compile_definitions(tesmolen_qt PRIVATE TESMOLEN_HAS_RESOURCES)
endif()

add_executable(tesmolen WIN32 src/app/main.cpp)
target_link_libraries(tesmolen PRIVATE tesmolen_qt)
