#!/usr/bin/env bash
# kxctl's bash completion against the built program: commands, options, buttons, the catalogue's
# functions and the library's macros (names with spaces among them, typed quoted or escaped), and
# files. Usage: completion-test.sh COMPLETION-SCRIPT KXCTL-FOLDER
set -u
completion=$1
export PATH="$2:$PATH"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
export XDG_STATE_HOME=$tmp/state XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No bus: no window can own the mouse here.
unset DBUS_SESSION_BUS_ADDRESS

# readline's, which a script has not.
compopt() { :; }
# shellcheck source=/dev/null
source "$completion"

# The completions of a command line whose last word is being typed, sorted, "|" after each.
completions() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _kxctl
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' '|'
}
failed=0
expect() {
    local want=$1 got
    shift
    got=$(completions "$@")
    if [[ $got != "$want" ]]; then
        printf 'FAIL: %s\n  got:  %s\n  want: %s\n' "$*" "$got" "$want"
        failed=1
    fi
}

archive='{"format": "com.vlak.KxOption.archive", "version": 1, "object": {"keyInfoArr": [{"keyCode": 4, "keyFlag": 0, "delay": 0}]}}'
printf '%s' "$archive" >"$HOME/Fire Storm.mac"
kxctl macro import "$HOME/Fire Storm.mac" >/dev/null || { echo "FAIL: macro import"; exit 1; }

expect "button|" kxctl butt
expect "macro|" kxctl mac
expect "export|" kxctl --json exp
expect "left|" kxctl button le
expect "left|" kxctl button --profile 2 le
expect "default|" kxctl button side1 def
expect "Left Arrow|Left Click|" kxctl button 1 function Left
expect "Left Click|" kxctl button 1 function '"left c'
expect "Left Click|" kxctl button 1 function 'Left\ C'
expect "F1|F10|F11|F12|" kxctl button 1 function f1
expect "Fire Storm|" kxctl button 1 macro fi
expect "Fire Storm|" kxctl macro show "F"
expect "once|" kxctl button 1 macro X --mode o
expect "" kxctl button 1 macro X --mode repeat ""
expect "--profiles|" kxctl import x.kxsetup --pro
expect "--dry-run|" kxctl import x.kxsetup --dr
expect "off|on|" kxctl light logo o
expect "125|" kxctl rate 12
expect "export|import|list|show|" kxctl macro ""

cd "$HOME" || exit 1
mkdir -p sets
touch mine.kxsetup notes.txt
expect "mine.kxsetup|" kxctl import mi
expect "notes.txt|" kxctl button 1 launch no
expect "mine.kxsetup|sets|" kxctl export ""
exit $failed
