# Sourced by the scripts that build the Windows programs: runs setup-windows, then configures the
# Windows build for the processor it names: i686 programs into build/windows, or, on a machine
# whose kernel runs no 32-bit programs, x86_64 ones into build/windows64.
#   windows_setup            runs setup-windows (once); sets pcre2_source and processor
#   windows_configure [--beside NAME] [OPTION...]
#                            configures build/windows (build/windows64), or with --beside the
#                            build next to it, build/windows-NAME (build/windows64-NAME), and sets
#                            build to its folder. The window's part is always built; the OPTIONs
#                            go to cmake, by default those of the tests' build (Debug, warnings
#                            as errors).

windows_top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
pcre2_source=""
processor=""
build=""

windows_setup() {
    [ -n "$processor" ] && return 0
    local answer
    answer="$("$windows_top/scripts/setup-windows")"
    pcre2_source="${answer%$'\n'*}"
    processor="${answer#*$'\n'}"
}

windows_configure() {
    local beside=""
    if [ "${1:-}" = --beside ]; then
        beside="-$2"
        shift 2
    fi
    [ $# -eq 0 ] && set -- -DCMAKE_BUILD_TYPE=Debug -DTESMOLEN_WERROR=ON
    windows_setup
    build="$windows_top/build/windows"
    [ "$processor" = x86_64 ] && build+=64
    build+="$beside"
    cmake -S "$windows_top" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_top/cmake/toolchains/$processor-w64-mingw32.cmake" \
        -DTESMOLEN_PCRE2_SOURCE="$pcre2_source" -DTESMOLEN_GUI=ON "$@" >/dev/null
}
