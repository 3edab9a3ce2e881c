#!/bin/bash
# Run inside the clean root by package-test.sh, as root, with /kx holding the packages.
set -uo pipefail
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
failures=0
pass() { printf 'PASS: %s\n' "$*"; }
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }
check() { # check <what> <command...>
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

cd /kx
apt-get update -qq >/dev/null
if apt-get install -y -qq ./kestrix_*.deb ./kestrix-virtual-mouse_*.deb >/kx/install.log 2>&1; then
    pass "apt-get install ./kestrix_*.deb ./kestrix-virtual-mouse_*.deb"
else
    fail "apt-get install"
    cat /kx/install.log
    exit 1
fi

check "udev rule in /usr/lib/udev/rules.d" \
    grep -q 'TAG+="uaccess"' /usr/lib/udev/rules.d/70-kestrix-mouse.rules
unit=/usr/lib/systemd/user/com.vlak.KestrixDeamon.service
check "user unit where systemctl --user finds it" \
    sh -c "systemd-analyze --user unit-paths 2>/dev/null | grep -qx /usr/lib/systemd/user && test -f $unit"
check "user unit enabled for the graphical session" \
    test -L /usr/lib/systemd/user/graphical-session.target.wants/com.vlak.KestrixDeamon.service
if verify=$(systemd-analyze verify "$unit" 2>&1) && [ -z "$verify" ]; then
    pass "systemd-analyze verify $unit"
else
    fail "systemd-analyze verify $unit: $verify"
fi
# systemd's autostart generator (KDE Plasma) and GNOME's session each skip it there.
check "autostart entry skipped where the unit starts it" \
    sh -c 'grep -qx "X-systemd-skip=true" "$0" && grep -qx "X-GNOME-HiddenUnderSystemd=true" "$0"' \
    /etc/xdg/autostart/com.vlak.KestrixDeamon.desktop
check "bus activation file names the unit" \
    grep -qx 'SystemdService=com.vlak.KestrixDeamon.service' \
    /usr/share/dbus-1/services/com.vlak.KestrixDeamon.service
check "programs find their private libraries" \
    sh -c 'KxOption --version && KestrixDeamon --version && kx-virtual-mouse --help >/dev/null 2>&1'
# Each private library finds its own dependencies, whoever loads it first.
if missing=$(ldd /usr/bin/KxOption /usr/bin/KestrixDeamon /usr/bin/kx-virtual-mouse \
    /usr/lib/*/kestrix/*.so 2>&1 | grep -e '^/' -e 'not found' | grep -B1 'not found'); then
    fail "libraries not found: $missing"
else
    pass "every program and private library finds its libraries (ldd)"
fi

# The programs as a user's session runs them: a session bus, an X server, private folders.
export HOME=/kx/home XDG_RUNTIME_DIR=/kx/runtime XDG_CONFIG_HOME=/kx/home/.config
export XDG_DATA_HOME=/kx/home/.local/share XDG_STATE_HOME=/kx/home/.local/state
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
cat >/kx/session.sh <<'SESSION'
#!/bin/bash
set -uo pipefail
fail() { printf 'FAIL: %s\n' "$*"; exit 1; }
wait_for() { # wait_for <seconds> <command...>
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}
owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
Xvfb :7 -screen 0 1280x800x24 -nolisten tcp >/kx/xvfb.log 2>&1 &
export DISPLAY=:7
wait_for 10 test -e /tmp/.X11-unix/X7 || fail "Xvfb"
# What a desktop session does at its start: programs the bus starts reach its X server.
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR HOME XDG_CONFIG_HOME XDG_DATA_HOME \
    XDG_STATE_HOME || fail "dbus-update-activation-environment"
kx-virtual-mouse serve >/kx/mouse.log 2>&1 &
wait_for 10 test -S "$XDG_RUNTIME_DIR/kx-virtual-mouse.sock" || fail "the emulated mouse serves"
before=$(kx-virtual-mouse dump)
dbus-monitor --session "type='signal',interface='com.vlak.KxOption.Notification'" \
    >/kx/signals.log 2>&1 &
wait_for 10 grep -q NameAcquired /kx/signals.log
KxOption >/kx/window.log 2>&1 &
window=$!
wait_for 15 owner com.vlak.KestrixDeamon || fail "the window starts the daemon through the bus"
printf 'PASS: %s\n' "the window starts the installed daemon through the bus"
# The whole read ends with the window telling the daemon to reload (KxSettingChange "101").
wait_for 60 grep -q 'string "101"' /kx/signals.log || fail "the window reads the whole mouse"
requests=$(kx-virtual-mouse status | sed -n 's/^requests: \([0-9]*\)$/\1/p')
printf 'PASS: %s\n' "a whole read (${requests:-?} requests)"
# Apply: the polling rate from 1000 Hz to 125 Hz in the performance window, through the
# window's own controls, clicked at the middle of their frames (View/Layout/).
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
geometry() { # geometry <window title>: X and Y of the mapped window
    local shell
    shell=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" getwindowgeometry \
        --shell 2>/dev/null | grep -E '^(X|Y)=') || return 1
    eval "$shell"
}
geometry 'Kestrix Mouse' || fail "the window is mapped"
click 487 415    # PERFORMANCE (MainViewLayout.h)
geometry Performance || fail "the performance window opens"
sleep 0.5        # its controls take the pointer once it is shown
click 86 270     # 125 Hz (PerformanceLayout.h)
click 364 399    # APPLY
wait_for 30 sh -c 'kx-virtual-mouse dump | grep -qx "rate: 125 Hz"' ||
    fail "Apply reaches the mouse (rate 125 Hz)"
printf 'PASS: %s\n' "an Apply reaches the mouse (kx-virtual-mouse dump: rate 125 Hz)"
KestrixDeamon >/kx/second.log 2>&1 && grep -q 'already running' /kx/second.log ||
    fail "a second daemon exits at once"
printf 'PASS: %s\n' "a second daemon exits at once"
diff <(printf '%s\n' "$before") <(kx-virtual-mouse dump) | sed 's/^/    /'
kill "$window" 2>/dev/null
wait "$window" 2>/dev/null
exit 0
SESSION
if ! dbus-run-session -- bash /kx/session.sh; then
    failures=$((failures + 1))
    for log in window mouse xvfb; do
        echo "--- $log.log"
        tail -n 30 /kx/$log.log 2>/dev/null
    done
fi

# Purge leaves nothing of the packages.
files=$(dpkg-query -L kestrix kestrix-virtual-mouse | sort -u)
apt-get purge -y -qq kestrix kestrix-virtual-mouse >/kx/purge.log 2>&1 || fail "apt-get purge"
left=""
# A folder that other packages share stays (/usr/bin); the packages' own folders go.
while IFS= read -r path; do
    [ -n "$path" ] && { [ -e "$path" ] || [ -L "$path" ]; } || continue
    [ -d "$path" ] && [ ! -L "$path" ] && [[ "$path" != *kestrix* ]] && continue
    left+="$path "
done <<<"$files"
if [ -z "$left" ]; then pass "apt-get purge leaves no file behind"; else fail "purge left: $left"; fi

[ "$failures" -eq 0 ]
