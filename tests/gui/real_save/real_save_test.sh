#!/usr/bin/env bash
# The real save of a user through pkexec: the system bus and polkitd (started here when none
# runs), the project's polkit action naming a hosts writer that writes a scratch file, and a
# rule that lets user nobody run it without a password. The window, run as nobody, saves into
# the root-owned scratch file; with the rule removed, the same save fails truthfully.
# User nobody may not reach into the build tree (a checkout in a private folder), so the window
# and the writer run from copies in a folder under /run that only root may write, and HOSTS, the
# file the writer was built to write, must be in it too. Everything added under /etc, /usr/share
# and /run is removed again, and only the daemons started here are stopped. Exit code 77:
# skipped, with the reason on standard output.
#   real_save_test.sh DRIVER WRITER POLICY_TEMPLATE HOSTS [PICTURE]
# With PICTURE, the granted save runs on a virtual X display (xvfb-run) and the screen with its
# confirmation box is photographed into PICTURE.
set -uo pipefail
driver="$1" writer="$2" template="$3" hosts="$4" picture="${5:-}"
action=/usr/share/polkit-1/actions/io.tesmolen.write-hosts.policy
rule=/etc/polkit-1/rules.d/49-tesmolen-real-save-test.rules
action_id=io.tesmolen.write-hosts
scratch=/run/tesmolen-real-save
folder="$scratch/etc"

skip() { echo "skipped: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
[ "$hosts" = "$folder/hosts" ] || fail "the writer must be built to write $folder/hosts"
[ "$(id -u)" -eq 0 ] || skip "setting up polkit needs root"
[ -u /usr/bin/pkexec ] || skip "no setuid /usr/bin/pkexec"
[ -x /usr/lib/polkit-1/polkitd ] || skip "no /usr/lib/polkit-1/polkitd"
[ -d /etc/polkit-1/rules.d ] || skip "no /etc/polkit-1/rules.d"
for tool in dbus-daemon dbus-send flock pkcheck setpriv setsid timeout; do
    command -v "$tool" >/dev/null || skip "no $tool"
done
id nobody >/dev/null 2>&1 || skip "no user nobody"
# Test runs of other checkouts on this machine share the bus, polkitd and these files.
exec 9>/run/tesmolen-real-save-test.lock
flock -w 150 9 || skip "another real-save test has held the lock for 150 seconds"
[ -e "$action" ] && skip "$action is installed already (by the package?); it stays as it is"

started_bus="" started_polkitd=""
cleanup() {
    rm -f "$action" "$rule"
    rm -rf "$scratch"
    [ -n "$started_polkitd" ] && kill "$started_polkitd" 2>/dev/null && wait "$started_polkitd" 2>/dev/null
    if [ -n "$started_bus" ]; then
        kill "$started_bus" 2>/dev/null
        for _ in $(seq 100); do kill -0 "$started_bus" 2>/dev/null || break; sleep 0.1; done
        rm -f /run/dbus/pid /run/dbus/system_bus_socket
    fi
}
trap cleanup EXIT

# Waits up to ten seconds for the command to succeed.
wait_for() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
bus_answers() {
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetId >/dev/null 2>&1
}
polkit_answers() {
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 2>/dev/null |
        grep -q "boolean true"
}
as_nobody() {
    setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups "$@"
}
# Whether polkit grants the action to a process of nobody without asking.
granted_to_nobody() {
    as_nobody sh -c 'exec pkcheck --action-id "$0" --process $$ >/dev/null 2>&1' "$action_id"
}
not_granted_to_nobody() { ! granted_to_nobody; }

if ! bus_answers; then
    # A bus that was stopped leaves its pid file and socket behind; no bus starts over them.
    rm -f /run/dbus/pid /run/dbus/system_bus_socket
    mkdir -p /run/dbus
    started_bus="$(dbus-daemon --system --fork --print-pid)" || fail "cannot start the system bus"
    wait_for bus_answers || fail "the system bus does not answer"
fi
if ! polkit_answers; then
    /usr/lib/polkit-1/polkitd --no-debug >/dev/null 2>&1 &
    started_polkitd=$!
    wait_for polkit_answers || fail "polkitd does not answer"
fi

# Three rules in the form a save writes them; the window deletes the second before saving.
begins=$'\xb4\xfa\xc2\xeb\xbf\xaa\xca\xbc'
end=$'#\xb4\xfa\xc2\xeb\xbd\xe1\xca\xf8\r\n'
rm -rf "$scratch"
install -d -m 0755 "$scratch" "$scratch/bin" "$folder" || fail "cannot make $scratch"
install -m 0755 "$driver" "$writer" "$scratch/bin/" || fail "cannot copy the window and the writer"
driver="$scratch/bin/$(basename "$driver")" writer="$scratch/bin/$(basename "$writer")"
block() { printf '%s' "#$1$begins"$'\r\n'"$end"; }
{ block A; block B; block C; } >"$hosts"
chmod 0644 "$hosts"
{ block A; block C; } >"$scratch/expected"

sed "s|@TESMOLEN_HOSTS_WRITER_INSTALLED@|$writer|" "$template" >"$action"
cat >"$rule" <<RULE
polkit.addRule(function(action, subject) {
    if (action.id == "$action_id" && subject.user == "nobody") return polkit.Result.YES;
});
RULE
wait_for granted_to_nobody || fail "polkit does not take up the rule"

save_as_nobody() {
    local display=(env QT_QPA_PLATFORM=offscreen)
    [ $# -gt 0 ] && display=(xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb)
    (cd / && setsid -w timeout 60 setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" \
        --clear-groups env -i PATH=/usr/bin:/bin HOME=/tmp "ASAN_OPTIONS=${ASAN_OPTIONS:-}" \
        "${display[@]}" "$driver" "$hosts" "$writer" "$@" </dev/null)
}

started=$(date +%s%N)
if [ -n "$picture" ]; then
    shot="$(as_nobody mktemp -d)"
    shown="$(save_as_nobody "$shot/save.png")" || fail "the window did not run: $shown"
    cp "$shot/save.png" "$picture" && rm -rf "$shot"
else
    shown="$(save_as_nobody)" || fail "the window did not run: $shown"
fi
took=$((($(date +%s%N) - started) / 1000000))
echo "granted: $shown (${took} ms)"
grep -q "box: 保存成功" <<<"$shown" || fail "no confirmation: $shown"
cmp -s "$hosts" "$scratch/expected" || fail "the hosts file holds: $(cat -A "$hosts")"
[ "$(stat -c %u:%a "$hosts")" = "0:644" ] || fail "the hosts file is $(stat -c %U:%a "$hosts")"
[ "$(ls -A "$folder")" = hosts ] || fail "left beside the hosts file: $(ls -A "$folder")"

# A hosts file the user cannot read, and one holding a zero byte, are not saved over: the save
# could not keep the file's own text.
for kind in unreadable zero-byte; do
    cp "$scratch/expected" "$hosts"
    chmod 0644 "$hosts"
    if [ "$kind" = unreadable ]; then chmod 0600 "$hosts"; else printf '\0kept\r\n' >>"$hosts"; fi
    cp -p "$hosts" "$scratch/before"
    shown="$(save_as_nobody)" || fail "the window did not run: $shown"
    echo "$kind: $shown"
    grep -q "box: 数据保存失败" <<<"$shown" || fail "$kind: no failure report: $shown"
    grep -q "保存成功" <<<"$shown" && fail "$kind: the save was confirmed"
    cmp -s "$hosts" "$scratch/before" || fail "$kind: the save changed the hosts file"
done
cp "$scratch/expected" "$hosts"
chmod 0644 "$hosts"

rm -f "$rule"
wait_for not_granted_to_nobody || fail "polkit still grants the action"
cp "$hosts" "$scratch/before"
shown="$(save_as_nobody)" || fail "the window did not run: $shown"
echo "refused: $shown"
grep -q "box: 数据保存失败" <<<"$shown" || fail "no failure report: $shown"
grep -q "保存成功" <<<"$shown" && fail "a refused save was confirmed"
cmp -s "$hosts" "$scratch/before" || fail "the refused save changed the hosts file"
echo "passed"
