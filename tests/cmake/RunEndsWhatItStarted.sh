#!/usr/bin/env bash
# ./kx run as a user runs it (on what the suite built: --no-build), on a session bus and an X
# server of its own: the emulated mouse, the daemon and the window come up; then the window ends,
# and then (a second run) Ctrl+C reaches the terminal's process group. Each time every process
# ./kx run started must be gone, and nothing else touched (a process started beside it keeps
# running).
#
#   RunEndsWhatItStarted.sh <source folder> <build folder>
#
# Exit status 77: no X server can be started here.
set -euo pipefail
src=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)

if [ -z "${KX_RUN_TEST_SESSION:-}" ]; then
    export KX_RUN_TEST_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }

tmp=$(mktemp -d)
xvfb=""
bystander=""
started=""
# Whatever a failed run left behind is ended here, so that it holds no pipe of the test's.
cleanup() {
    local pid
    for pid in $started $bystander $xvfb; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT
# shellcheck source=../support/private-folders.sh
. "$(dirname "$0")/../support/private-folders.sh"
kx_private_folders "$tmp"
export KX_BUILD_DIR="$build" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

exec 3<> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$tmp/displayfd" ] && break
    sleep 0.1
done
[ -s "$tmp/displayfd" ] || { echo "skipped: Xvfb did not start"; exit 77; }
export DISPLAY=":$(head -n 1 "$tmp/displayfd")"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every process below pid, by parent links.
descendants() {
    local pid child
    for pid in "$@"; do
        for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do
            echo "$child"
            descendants "$child"
        done
    done
}

# A bystander that ./kx run did not start.
sleep 600 </dev/null >/dev/null 2>&1 &
bystander=$!

# ./kx run in a process group of its own, as a terminal's shell starts a foreground job: with
# SIGINT at its default (this script's background jobs would otherwise inherit it ignored).
start_run() {
    python3 -c 'import os, signal, sys
signal.signal(signal.SIGINT, signal.SIG_DFL)
os.setsid()
os.execv(sys.argv[1], sys.argv[1:])' "$src/kx" run --no-build >"$tmp/run-$1.log" 2>&1 &
    run=$!
    gdbus wait --session --timeout 120 com.vlak.KxOption ||
        fail "$1: the window never took its bus name ($(tail -n 5 "$tmp/run-$1.log"))"
    started=$(descendants "$run" | sort -u)
    for program in kx-virtual-mouse KestrixDeamon KxOption; do
        local found=""
        for pid in $started; do
            [ "$(ps -o comm= -p "$pid" 2>/dev/null)" = "${program:0:15}" ] && found=1
        done
        [ -n "$found" ] || fail "$1: ./kx run did not start $program"
    done
}

# Waits for ./kx run to end; then none of what it started may be left.
expect_all_gone() {
    local status=0
    for _ in $(seq 300); do
        kill -0 "$run" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$run" 2>/dev/null && fail "$1: ./kx run did not end"
    wait "$run" || status=$?
    [ "$status" -eq 0 ] || fail "$1: ./kx run ended with $status"
    # What it ended may take a moment to exit after its signal.
    for _ in $(seq 50); do
        left=""
        for pid in $started; do
            kill -0 "$pid" 2>/dev/null && left="$left $pid($(ps -o comm= -p "$pid"))"
        done
        [ -z "$left" ] && break
        sleep 0.1
    done
    [ -z "$left" ] || fail "$1: left running after ./kx run ended:$left"
    kill -0 "$bystander" || fail "$1: a process ./kx run did not start was ended"
}

# The window closes for good: its process ends.
start_run close
window=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID com.vlak.KxOption |
    sed -nE 's/^\(uint32 ([0-9]+),\)$/\1/p')
kill -TERM "$window"
expect_all_gone close

# Ctrl+C: the terminal signals the whole foreground group.
start_run interrupt
kill -INT -- "-$run"
expect_all_gone interrupt

echo "PASS: every program ./kx run started ended with it, twice"
