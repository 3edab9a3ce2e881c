#!/usr/bin/env bash
# One check of the window through AT-SPI, as a screen reader or a test robot drives it:
#
#   atspi-session.sh <build folder> <check_*.py>
#
# In a session of its own: a private session bus (dbus-run-session), an X server (Xvfb), the
# accessibility bus on it (at-spi-bus-launcher, registered as org.a11y.Bus, and its registry),
# accessibility switched on the way a desktop's screen reader setting does (org.a11y.Status
# IsEnabled), the emulated mouse, the daemon and the real KxOption on that display. Qt's AT-SPI
# bridge comes up when org.a11y.Bus is on the session bus and IsEnabled is true; nothing in the
# program is told it is being tested. The check (Debian's python3 with python3-pyatspi) then
# walks and works the window; the emulated mouse's dump tells what reached the mouse.
#
# Exit status: 0 the check holds, 1 it does not (or the session could not be made), 77 skipped:
# no X server can be started here.
set -euo pipefail

if [ "$#" -ne 2 ]; then
    echo "usage: $0 <build folder> <check_*.py>" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
check=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")

# Inside a session bus of its own, so that the window's single-instance name, the daemon's and
# the accessibility bus are this check's alone.
if [ -z "${KX_ATSPI_SESSION:-}" ]; then
    export KX_ATSPI_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "skipped: no X server can be started (Xvfb is not installed)"
    exit 77
fi
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
    echo "at-spi-bus-launcher not found: install at-spi2-core" >&2
    exit 1
fi
python=/usr/bin/python3 # Debian's, with python3-pyatspi (not a python of the user's own)
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "pyatspi not found for $python: install python3-pyatspi" >&2
    exit 1
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Private folders: the mouse's socket and flash, the profiles, the preferences.
# shellcheck source=../../support/private-folders.sh
. "$(dirname "$0")/../../support/private-folders.sh"
kx_private_folders "$tmp"
export GSETTINGS_BACKEND=memory

# An X server on the first free display; it writes the display's number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    if ! kill -0 "${pids[0]}" 2>/dev/null; then
        echo "skipped: no X server can be started (Xvfb: $(tail -1 "$tmp/xvfb.log"))"
        exit 77
    fi
    sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
    echo "skipped: no X server can be started (Xvfb did not say it was ready)"
    exit 77
fi
export DISPLAY=":$(head -1 "$tmp/display")"

# The accessibility bus, and accessibility on, as the desktop does when a screen reader runs.
"$launcher" --launch-immediately >"$tmp/at-spi.log" 2>&1 &
pids+=($!)
if ! gdbus wait --session --timeout 20 org.a11y.Bus; then
    echo "the accessibility bus did not start: $(cat "$tmp/at-spi.log")" >&2
    exit 1
fi
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null

export KX_VIRTUAL_MOUSE="$build/VirtualMouse/kx-virtual-mouse"
"$KX_VIRTUAL_MOUSE" serve >"$tmp/mouse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/kx-virtual-mouse.sock" ] && break
    sleep 0.1
done
# The daemon chooses its window system as on a desktop (a test run may have set one for all).
env -u QT_QPA_PLATFORM "$build/KestrixDeamon/KestrixDeamon" >"$tmp/daemon.log" 2>&1 &
pids+=($!)
gdbus wait --session --timeout 20 com.vlak.KestrixDeamon

QT_QPA_PLATFORM=xcb "$build/KestrixOption/KxOption" >"$tmp/window.log" 2>&1 &
pids+=($!)

status=0
PYTHONPATH="$(dirname "$0")" "$python" "$check" || status=$?
if [ "$status" -ne 0 ]; then
    for part in window daemon mouse at-spi xvfb; do
        echo "---- $part"
        tail -20 "$tmp/$part.log" 2>/dev/null || true
    done
fi
exit "$status"
