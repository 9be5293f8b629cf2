#include "runtime/win32/win32_resolver_cache.hpp"

#include <windows.h>

#include <string>

namespace tesmolen {

namespace {

// dnsapi.dll by its full path in the system folder, never from the program's folder.
HMODULE loadDnsApi() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\dnsapi.dll").c_str());
}

}  // namespace

bool Win32ResolverCache::flushDnsClientCache() {
    // No header declares the call: it takes nothing and gives a BOOL.
    using FlushFunction = BOOL(WINAPI*)();
    const HMODULE dnsapi = loadDnsApi();
    if (dnsapi == nullptr) return false;
    const FARPROC found = GetProcAddress(dnsapi, "DnsFlushResolverCache");
    // Through a pointer of no type: the compiler warns of a cast between two function types.
    const bool flushed = found != nullptr && reinterpret_cast<FlushFunction>(
                                                 reinterpret_cast<void (*)()>(found))() != FALSE;
    FreeLibrary(dnsapi);
    return flushed;
}

}  // namespace tesmolen
