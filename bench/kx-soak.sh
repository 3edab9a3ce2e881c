#!/usr/bin/env bash
# Soak: the real programs under random use for a long time, sampling the daemon's and the
# window's memory and open descriptors. Run through `./kx soak [SECONDS] [SAMPLE_SECONDS]`, which
# gives it a private home and session bus. Prints "name: value" lines: the slopes of resident
# memory (KiB per hour) and of open descriptors (per hour) by least squares over the samples
# after the warm-up (KX_SOAK_WARMUP seconds, 300 unless set: the first display, transfer and bus
# call load pictures, fonts and type tables once), the samples' extremes, the operations done and
# the warning lines in the programs' logs.
# KX_SOAK_KEEP=DIR keeps the samples ("seconds daemon-rss daemon-fds window-rss window-fds") and
# the programs' logs there.
#
# Operations, at random: the mouse streams motion at 1000 Hz, presses its DPI, rate and profile
# buttons and its five buttons, is unplugged and plugged again (the window ends and the daemon
# starts it again), and kxctl, where it is built, reads and sets the mouse.
set -euo pipefail
trap 'echo "soak: stopped by a failed command at line $LINENO" >&2' ERR

build="$1"
duration="${2:-3600}"
sample="${3:-60}"
work="$(mktemp -d)"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    pkill -f "$build/KestrixOption/KxOption" 2>/dev/null || true
    if [ -n "${KX_SOAK_KEEP:-}" ]; then
        mkdir -p "$KX_SOAK_KEEP"
        cp "$work"/samples "$work"/*.log "$KX_SOAK_KEEP"/ 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mouse="$build/VirtualMouse/kx-virtual-mouse"
kxctl="$build/kxctl/kxctl"
export XDG_DATA_DIRS="$build/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"

"$mouse" serve >"$work/mouse.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do "$mouse" status >/dev/null 2>&1 && break; sleep 0.1; done
"$build/KestrixDeamon/KestrixDeamon" >"$work/daemon.log" 2>&1 &
daemon=$!
pids+=("$daemon")
"$build/KestrixOption/KxOption" >"$work/window.log" 2>&1 &

# Empty while no window is on the bus (one restarting after an unplug, say).
window_pid() {
    { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID com.vlak.KxOption 2>/dev/null ||
        true; } | sed -n 's/.*uint32 \([0-9]*\).*/\1/p'
}
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo ""; }
fds() { ls "/proc/$1/fd" 2>/dev/null | wc -l; }

gdbus wait --session --timeout 20 com.vlak.KxOption || true

operations=0
one_operation() {
    # An unplug restarts the window: rare, so that most samples follow one window process.
    local pick=$((RANDOM % 12))
    [ $((RANDOM % 50)) -eq 0 ] && pick=8
    [ "$pick" -eq 8 ] && [ $((RANDOM % 50)) -ne 0 ] && pick=4
    case $pick in
    0 | 1) "$mouse" stream-motion 1000 $((1 + RANDOM % 5)) ;;
    2) "$mouse" press dpi ;;
    3) "$mouse" press rate ;;
    4 | 5) "$mouse" press profile ;;
    6 | 7) "$mouse" press button $((1 + RANDOM % 5)) ;;
    8)
        # The window ends with the mouse; the daemon starts it again once the mouse is back.
        "$mouse" unplug
        sleep 1
        "$mouse" plug
        gdbus wait --session --timeout 20 com.vlak.KxOption || true
        ;;
    *)
        if [ -x "$kxctl" ]; then
            "$kxctl" status --json >/dev/null 2>&1 || true
        else
            "$mouse" press profile
        fi
        ;;
    esac >/dev/null 2>&1 || true
    operations=$((operations + 1))
}

samples="$work/samples"
: >"$samples"
start=$(date +%s)
next_sample=$start
while :; do
    now=$(date +%s)
    [ $((now - start)) -ge "$duration" ] && break
    if [ "$now" -ge "$next_sample" ]; then
        w="$(window_pid)"
        echo "$((now - start)) $(rss_kib "$daemon") $(fds "$daemon") ${w:+$(rss_kib "$w")} ${w:+$(fds "$w")}" >>"$samples"
        next_sample=$((next_sample + sample))
    fi
    one_operation
    sleep "0.$((2 + RANDOM % 8))"
done

kill -0 "$daemon" 2>/dev/null || echo "soak: the daemon ended during the run" >&2

# Least-squares slope per hour of column c over the samples after the warm-up that have it.
warmup="${KX_SOAK_WARMUP:-300}"
slope() {
    awk -v c="$1" -v w="$warmup" '$1 >= w && NF >= c && $c != "" { n++; x = $1 / 3600; sx += x; sy += $c; sxx += x * x; sxy += x * $c }
        END { d = n * sxx - sx * sx; if (n < 3 || d == 0) print "n/a"; else printf "%.1f\n", (n * sxy - sx * sy) / d }' "$samples"
}
extreme() {
    awk -v c="$1" -v f="$2" 'NF >= c && $c != "" { if (v == "" || (f == "max" ? $c > v : $c < v)) v = $c } END { print (v == "" ? "n/a" : v) }' "$samples"
}

echo "soak_seconds: $duration"
echo "soak_samples: $(wc -l <"$samples")"
echo "soak_operations: $operations"
echo "soak_warmup_seconds: $warmup"
echo "soak_daemon_rss_kib_first: $(awk 'NR == 1 { print $2 }' "$samples")"
echo "soak_daemon_rss_kib_min: $(extreme 2 min)"
echo "soak_daemon_rss_kib_max: $(extreme 2 max)"
echo "soak_daemon_rss_slope_kib_per_h: $(slope 2)"
echo "soak_daemon_fds_max: $(extreme 3 max)"
echo "soak_daemon_fds_slope_per_h: $(slope 3)"
echo "soak_window_rss_kib_max: $(extreme 4 max)"
echo "soak_window_rss_slope_kib_per_h: $(slope 4)"
echo "soak_window_fds_max: $(extreme 5 max)"
echo "soak_window_fds_slope_per_h: $(slope 5)"
echo "soak_daemon_warnings: $(grep -ciE 'warning|critical|error' "$work/daemon.log" || true)"
echo "soak_window_warnings: $(grep -ciE 'warning|critical|error' "$work/window.log" || true)"
