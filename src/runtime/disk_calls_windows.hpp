#pragma once
// The Windows calls by which whole-file writes put bytes on disk. Tests replace them to make a
// write fail part way or to see what was flushed; the program never does.

#include <windows.h>

namespace tesmolen {

struct DiskCalls {
    BOOL(WINAPI* writeFile)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED) = WriteFile;
    BOOL(WINAPI* flushFileBuffers)(HANDLE) = FlushFileBuffers;
};

DiskCalls& diskCalls();

}  // namespace tesmolen
