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

# The cases the fish driver tries too.
while IFS=$'\t' read -r typed want; do
    [[ $typed == \#* ]] || expect "$want" "${typed%\$}"
done <${0:A:h}/completion-cases.txt
# Names are inserted quoted.
expect_line 'kxctl macro show Fire\ Storm ' 'kxctl macro show fi'
expect_line 'kxctl button 1 function "Page Down" ' 'kxctl button 1 function "page d'

# Files: set-up files and macro files before others, others when none fits; "-" for the standard
# streams. _files adds names quoted already.
expect "-|mine.kxsetup|sets|" 'kxctl import '
expect "-|mine.kxsetup|sets|" 'kxctl export '
expect 'Fire\ Storm.mac|sets|' 'kxctl macro import '
expect 'Fire\ Storm.mac|sets|' 'kxctl macro export X '
expect_line 'kxctl macro import Fire\ Storm.mac ' 'kxctl macro import F'

zpty -d kx
exit $failed
