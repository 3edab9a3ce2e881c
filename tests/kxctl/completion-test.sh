#!/usr/bin/env bash
# kxctl's completion for bash, zsh or fish against the built program: commands, options, buttons,
# the catalogue's functions and the library's macros (names with spaces among them, typed quoted
# or escaped), and files. Here the set-up all three share (a library with "Fire Storm" in it, a
# folder of files) and bash's cases; zsh's and fish's are completion-test.zsh and .fish, run in
# their shells with the completion installed under the name each shell looks for.
# Usage: completion-test.sh bash|zsh|fish (or its path) COMPLETION-SCRIPT KXCTL-FOLDER
set -u
shell=$1
completion=$(realpath "$2")
PATH="$(realpath "$3"):$PATH"
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
export XDG_STATE_HOME=$tmp/state XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No bus: no window can own the mouse here.
unset DBUS_SESSION_BUS_ADDRESS

archive='{"format": "com.vlak.KxOption.archive", "version": 1, "object": {"keyInfoArr": [{"keyCode": 4, "keyFlag": 0, "delay": 0}]}}'
printf '%s' "$archive" >"$HOME/Fire Storm.mac"
kxctl macro import "$HOME/Fire Storm.mac" >/dev/null || { echo "FAIL: macro import"; exit 1; }
# Two installed applications, and rules for one of them and for a window class.
mkdir -p "$XDG_DATA_HOME/applications"
for app in Editor Viewer; do
    printf '[Desktop Entry]\nType=Application\nName=Example %s\nExec=true\n' "$app" \
        >"$XDG_DATA_HOME/applications/org.example.$app.desktop"
done
kxctl rule add org.example.editor 2 2>/dev/null >/dev/null || { echo "FAIL: rule add"; exit 1; }
kxctl rule add Gimp-2.10 3 2>/dev/null >/dev/null || { echo "FAIL: rule add"; exit 1; }
cd "$HOME" || exit 1
mkdir -p sets
touch mine.kxsetup notes.txt

case ${shell##*/} in
zsh)
    mkdir -p "$tmp/zsh" && cp "$completion" "$tmp/zsh/_kxctl"
    "$shell" -f "$here/completion-test.zsh" "$tmp/zsh"
    exit
    ;;
fish)
    # What the completion says on standard error (a fault in it) fails the test.
    mkdir -p "$tmp/fish" && cp "$completion" "$tmp/fish/kxctl.fish"
    "$shell" -N "$here/completion-test.fish" "$tmp/fish" 2>"$tmp/fish-errors"
    status=$?
    [[ -s $tmp/fish-errors ]] && { echo "FAIL: fish said:"; cat "$tmp/fish-errors"; status=1; }
    exit $status
    ;;
esac

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

# Commands, and options wherever they stand before "--".
expect "button|" kxctl butt
expect "macro|" kxctl mac
expect "export|" kxctl --json exp
expect "show|" kxctl --device 2 sh
expect "show|" kxctl -V sh
expect "macro|" kxctl help ma
expect "button|dpi|export|help|import|light|list|macro|profile|rate|rule|show|stage|" kxctl help ""
expect "--device|--help|--json|--verbose|--version|--wait|-V|-h|" kxctl -
expect "export|" kxctl -- exp
expect "" kxctl -- --

# Option values.
expect "1|2|3|4|5|" kxctl show --profile ""
expect "once|" kxctl button 1 macro X --mode o
expect "" kxctl button 1 macro X --mode repeat ""
expect "" kxctl import x.kxsetup --profiles ""
expect "notes.txt|" kxctl --device no

# Each command's own options: --dry-run on those that write, --mode after a macro.
for writing in "profile 1" "dpi 1 800" "stage 1" "rate 125" "light logo on" "button 1 default" \
    "macro import x.mac" "import x.kxsetup" "rule add x 1" "rule remove x" "rule on" "rule off"; do
    # shellcheck disable=SC2086
    expect "--dry-run|" kxctl $writing --dr
done
for reading in "list" "show" "export x.kxsetup" "macro list" "macro show X" "macro export X y.mac" \
    "rule list"; do
    # shellcheck disable=SC2086
    expect "" kxctl $reading --dr
done
expect "--all|" kxctl show --a
expect "--profiles|" kxctl import x.kxsetup --pro
expect "--mode|" kxctl button 1 macro X --mo
expect "" kxctl button 1 function X --mo

# Arguments.
expect "off|on|" kxctl light logo o
expect "125|" kxctl rate 12
expect "1|2|3|4|" kxctl stage ""
expect "1|2|3|4|5|left|middle|right|side1|side2|" kxctl button ""
expect "left|" kxctl button le
expect "left|" kxctl button --profile 2 le
expect "default|" kxctl button side1 def
expect "export|import|list|show|" kxctl macro ""

# Names kxctl gives, in any case, typed quoted or escaped.
expect "Left Arrow|Left Click|" kxctl button 1 function Left
expect "Left Click|" kxctl button 1 function '"left c'
expect "Left Click|" kxctl button 1 function 'Left\ C'
expect "F1|F10|F11|F12|" kxctl button 1 function f1
expect "Fire Storm|" kxctl button 1 macro fi
expect "Fire Storm|" kxctl macro show "F"
expect "Fire Storm|" kxctl macro export f

# Files: set-up files and macro files before others, others when none fits; "-" for the standard
# streams.
expect "-|mine.kxsetup|sets|" kxctl import ""
expect "-|mine.kxsetup|sets|" kxctl export ""
expect "notes.txt|" kxctl import no
expect "-|--device|--dry-run|--help|--json|--profiles|--verbose|--version|--wait|-V|-h|" kxctl import -
expect "Fire Storm.mac|sets|" kxctl macro import ""
expect "Fire Storm.mac|sets|" kxctl macro export X ""
expect "notes.txt|" kxctl button 1 launch no

# Application rules: installed applications' ids to add (the one added keeps the id's own case),
# the rules' applications to remove.
expect "rule|" kxctl help ru
expect "add|list|off|on|remove|" kxctl rule ""
expect "org.example.Editor|org.example.Viewer|" kxctl rule add org.example.
expect "1|2|3|4|5|" kxctl rule add org.example.Editor ""
expect "1|2|3|4|5|" kxctl rule add --otherwise ""
expect "" kxctl rule add --otherwise 2 ""
expect "Gimp-2.10|org.example.Editor|" kxctl rule remove ""
expect "" kxctl rule remove --otherwise ""
expect "--otherwise|" kxctl rule add x 1 --ot
exit $failed
