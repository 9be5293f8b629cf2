# Sourced by the scripts that install Debian packages: installs what is missing, refreshing apt's
# indexes first, once per run. A mirror in mid-sync makes `apt-get update` fail for an index we may
# not even need, so a failed refresh alone never stops a script: it is tried three times, then apt
# goes on with the indexes it has. What decides is the step that needs them (an install, a source
# fetch): when that fails, the script stops and names what it could not get, with apt's last lines.

who="$(basename "$0")"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_options=(-qq -o DPkg::Lock::Timeout=1200)
apt_refreshed=""
apt_refresh_output=""

# Refreshes apt's indexes, at most once until apt_forget_refresh (after new sources are added).
apt_refresh() {
    [ -n "$apt_refreshed" ] && return 0
    apt_refreshed=yes
    local try
    for try in 1 2 3; do
        apt_refresh_output="$("${as_root[@]}" apt-get "${apt_options[@]}" update 2>&1)" && return 0
        [ "$try" -lt 3 ] && sleep "${TESMOLEN_APT_PAUSE:-5}"
    done
    echo "$who: apt-get update failed three times; going on with the indexes apt has" >&2
    return 0
}

apt_forget_refresh() { apt_refreshed=""; }

# Runs an apt command that needs the indexes (in the current folder); on failure stops the script,
# naming WHAT could not be had and showing the last lines apt printed.
apt_needed() {
    local what="$1" output
    shift
    if ! output="$("$@" 2>&1)"; then
        echo "$who: could not get $what; apt printed:" >&2
        {
            [ -n "$apt_refresh_output" ] && tail -n 4 <<<"$apt_refresh_output"
            tail -n 8 <<<"$output"
        } | sed 's/^/    /' >&2
        exit 1
    fi
}

# The packages among the arguments that are not installed, one a line.
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
    done
}

# Installs the packages among the arguments that are missing; quiet when none is.
install_missing() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "$who: installing ${missing[*]}" >&2
    apt_refresh
    apt_needed "the Debian packages ${missing[*]}" "${as_root[@]}" apt-get "${apt_options[@]}" \
        install -y --no-install-recommends "${missing[@]}"
}
