# Sourced by the tests' shell scripts: kx_private_folders <folder> makes a throw-away home and
# XDG folders below <folder> and points the environment at them (the mouse's socket and flash,
# the profiles, the preferences), so that nothing touches the user's own.
kx_private_folders() {
    local tmp="$1"
    mkdir -p "$tmp/home" "$tmp/config" "$tmp/data" "$tmp/state" "$tmp/cache" "$tmp/runtime"
    chmod 700 "$tmp/runtime"
    export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
    export XDG_STATE_HOME="$tmp/state" XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"
}
