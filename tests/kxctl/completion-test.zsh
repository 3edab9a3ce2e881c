# kxctl's zsh completion in an interactive zsh on a pseudo-terminal (zpty), as typed: each line
# is followed by Tab, whose widget completes and reports. compadd records what each call adds
# that fits the word typed. Run by completion-test.sh in its set-up.
# Usage: zsh -f completion-test.zsh FOLDER-WITH-_kxctl
zmodload zsh/zpty || exit 1
folder=$1
capture=$folder/capture
export KX_CAPTURE=$capture

zpty kx zsh -f -i
zpty -w kx "PS1='' RPS1=''; bindkey -e; unsetopt auto_list beep; fpath=(${(q)folder} \$fpath)"
zpty -w kx 'autoload -Uz compinit && compinit -u -D'
# Calls that only ask what fits (-O, -A, -D) go through; the others are recorded. The options
# that take a value skip it, whether attached or the next word.
zpty -w kx 'compadd() {
    local arg; integer i j
    for ((i = 1; i <= $#; i++)); do
        arg=${@[i]}
        [[ $arg == -- || $arg != -?* ]] && break
        for ((j = 2; j <= $#arg; j++)); do
            [[ $arg[j] == [OAD] ]] && { builtin compadd "$@"; return }
            if [[ $arg[j] == [PSpsiIWdJVXxrRMFE] ]]; then
                ((j == $#arg)) && ((i++))
                break
            fi
        done
    done
    local -a fitting
    builtin compadd -O fitting "$@"
    (($#fitting)) && print -rl -- $fitting >>$KX_CAPTURE
    builtin compadd "$@"
}'
# Tab: complete, keep the line as completed, clear it, and say so. Nothing is typed until the
# completion has ended.
zpty -w kx 'kx-complete() {
    zle complete-word
    print -rn -- "$BUFFER" >|$KX_CAPTURE.line
    BUFFER=
    print -rn -- "<<KX""DONE>>"
}
zle -N kx-complete && bindkey "^I" kx-complete'
zpty -w kx "print K''X''READY"
zpty -r kx out '*KXREADY*' || exit 1

failed=0
# complete LINE: the candidates in $got, sorted, "|" after each; the completed line in $line.
complete() {
    local out
    : >|$capture
    zpty -w -n kx "$1"$'\t'
    zpty -r kx out '*<<KXDONE>>*' || { print "FAIL: no answer to $1"; exit 1 }
    # zsh's own messages of a fault in the completion: "_kxctl:12: ...".
    local -a faults=(${(M)${(f)out//$'\r'}:#*_kxctl*:<->:*})
    if (($#faults)); then
        print -rl -- "FAIL: $1" "${(@)faults/#*_kxctl/  _kxctl}"
        failed=1
    fi
    got=$(LC_ALL=C sort -u $capture | tr '\n' '|')
    line=$(<$capture.line)
}
expect() {
    complete "$2"
    if [[ $got != "$1" ]]; then
        printf 'FAIL: %s\n  got:  %s\n  want: %s\n' "$2" "$got" "$1"
        failed=1
    fi
}
# The line as Tab leaves it.
expect_line() {
    complete "$2"
    if [[ $line != "$1" ]]; then
        printf 'FAIL: %s\n  got:  %s\n  want: %s\n' "$2" "$line" "$1"
        failed=1
    fi
}

# Commands, and options wherever they stand before "--".
expect "button|" 'kxctl butt'
expect "export|" 'kxctl --json exp'
expect "show|" 'kxctl --device 2 sh'
expect "show|" 'kxctl -V sh'
expect "macro|" 'kxctl help ma'
expect "button|dpi|export|help|import|light|list|macro|profile|rate|show|stage|" 'kxctl help '
expect "--device|--help|--json|--verbose|--version|--wait|-V|-h|" 'kxctl -'
expect "export|" 'kxctl -- exp'
expect "" 'kxctl -- --'

# Option values.
expect "1|2|3|4|5|" 'kxctl show --profile '
expect "once|" 'kxctl button 1 macro X --mode o'
expect "" 'kxctl button 1 macro X --mode repeat '
expect "notes.txt|" 'kxctl --device no'

# Each command's own options: --dry-run on those that write, --mode after a macro.
for writing in "profile 1" "dpi 1 800" "stage 1" "rate 125" "light logo on" "button 1 default" \
    "macro import x.mac" "import x.kxsetup"; do
    expect "--dry-run|" "kxctl $writing --dr"
done
for reading in "list" "show" "export x.kxsetup" "macro list" "macro show X" "macro export X y.mac"; do
    expect "" "kxctl $reading --dr"
done
expect "--all|" 'kxctl show --a'
expect "--profiles|" 'kxctl import x.kxsetup --pro'
expect "--mode|" 'kxctl button 1 macro X --mo'
expect "" 'kxctl button 1 function X --mo'

# Arguments.
expect "off|on|" 'kxctl light logo o'
expect "125|" 'kxctl rate 12'
expect "1|2|3|4|5|left|middle|right|side1|side2|" 'kxctl button '
expect "default|" 'kxctl button --profile 2 side1 def'
expect "export|import|list|show|" 'kxctl macro '

# Names kxctl gives, in any case, typed quoted or escaped, and inserted quoted.
expect "Left Arrow|Left Click|" 'kxctl button 1 function Left'
expect "Left Click|" 'kxctl button 1 function "left c'
expect "Left Click|" 'kxctl button 1 function Left\ C'
expect "F1|F10|F11|F12|" 'kxctl button 1 function f1'
expect "Fire Storm|" 'kxctl button 1 macro fi'
expect "Fire Storm|" 'kxctl macro export f'
expect_line 'kxctl macro show Fire\ Storm ' 'kxctl macro show fi'
expect_line 'kxctl button 1 function "Page Down" ' 'kxctl button 1 function "page d'

# Files: set-up files and macro files before others, others when none fits; "-" for the standard
# streams. _files adds names quoted already.
expect "-|mine.kxsetup|sets|" 'kxctl import '
expect "-|mine.kxsetup|sets|" 'kxctl export '
expect "notes.txt|" 'kxctl import no'
expect "-|--device|--dry-run|--help|--json|--profiles|--verbose|--version|--wait|-V|-h|" \
    'kxctl import -'
expect 'Fire\ Storm.mac|sets|' 'kxctl macro import '
expect 'Fire\ Storm.mac|sets|' 'kxctl macro export X '
expect_line 'kxctl macro import Fire\ Storm.mac ' 'kxctl macro import F'
expect "notes.txt|" 'kxctl button 1 launch no'

zpty -d kx
exit $failed
