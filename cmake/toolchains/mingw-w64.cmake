# Cross build for Windows with mingw-w64, for the processor that the including toolchain file names
# in tesmolen_mingw_processor (i686 or x86_64). The POSIX-thread compilers give std::thread;
# libgcc, libstdc++ and winpthread are linked in, so a program needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${tesmolen_mingw_processor})

set(CMAKE_C_COMPILER ${tesmolen_mingw_processor}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${tesmolen_mingw_processor}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${tesmolen_mingw_processor}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${tesmolen_mingw_processor}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
