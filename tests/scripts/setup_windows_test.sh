#!/usr/bin/env bash
# setup-windows against stand-ins for apt and dpkg, with no network: an index refresh that keeps
# failing (a mirror in mid-sync) does not stop it; an install that fails does, naming the packages
# it could not get and what apt said.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts/lib" "$work/bin" "$work/apt"
cp "$top/scripts/setup-windows" "$work/tree/scripts/"
cp "$top/scripts/lib/debian-packages.bash" "$work/tree/scripts/lib/"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/apt/sources.list"

# wine is the one package missing; every other is installed.
cat >"$work/bin/dpkg-query" <<'STANDIN'
#!/bin/sh
case "$2" in
    *Status*) [ "$3" = wine ] && exit 1; echo "install ok installed" ;;
    *Version*) echo 10.42-1 ;;
esac
STANDIN
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\necho "Version: 10.42-1"\n' >"$work/bin/apt-cache"
cat >"$work/bin/apt-get" <<'STANDIN'
#!/bin/sh
echo "$*" >>"$STANDIN_LOG"
case " $* " in
    *" update "*)
        echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
        exit 100 ;;
    *" install "*)
        [ "$STANDIN_INSTALL" = works ] && exit 0
        echo "E: Unable to locate package wine" >&2
        exit 100 ;;
    *" source "*) mkdir -p pcre2-10.42 && : >pcre2-10.42/CMakeLists.txt ;;
esac
STANDIN
chmod +x "$work/bin/"*

fail() { echo "FAIL: $*" >&2; exit 1; }
run() {
    rm -rf "$work/tree/build"
    : >"$work/log"
    PATH="$work/bin:$PATH" STANDIN_LOG="$work/log" STANDIN_INSTALL="$1" TESMOLEN_APT_ETC="$work/apt" \
        TESMOLEN_APT_PAUSE=0 "$work/tree/scripts/setup-windows" >"$work/out" 2>"$work/err"
}

run works || fail "stopped although only the index refresh failed: $(cat "$work/err")"
[ "$(grep -c ' update' "$work/log")" = 3 ] || fail "the refresh was not tried three times: $(cat "$work/log")"
grep -qE 'install .* wine( |$)' "$work/log" ||
    fail "wine was not installed: $(cat "$work/log")"
[ "$(head -n 1 "$work/out")" = "$work/tree/build/windows/sources/pcre2-10.42" ] ||
    fail "printed no PCRE2 source folder: $(cat "$work/out")"
grep -qxE 'i686|x86_64' <(tail -n 1 "$work/out") || fail "printed no processor: $(cat "$work/out")"

if run fails; then
    fail "went on although the install failed"
fi
grep -q 'could not get the Debian packages wine' "$work/err" ||
    fail "the message names no package: $(cat "$work/err")"
grep -q 'Unable to locate package wine' "$work/err" ||
    fail "the message shows none of apt's lines: $(cat "$work/err")"
grep -q 'source' "$work/log" && fail "fetched PCRE2's source after the install failed"
echo "setup-windows: goes on past a failed refresh, stops on a failed install"
