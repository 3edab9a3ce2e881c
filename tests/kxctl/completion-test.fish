# kxctl's fish completion as fish finds it (kxctl.fish in $fish_complete_path), through
# `complete -C`, which gives what fish offers for a line: candidates it matched itself, with
# their descriptions. Run by completion-test.sh in its set-up.
# Usage: fish -N completion-test.fish FOLDER-WITH-kxctl.fish
set -p fish_complete_path $argv[1]
set -g failed 0

# The candidates for LINE without descriptions, sorted, "|" after each.
function candidates -a line
    set -l got (complete -C "$line" | string replace -r '\t.*' '' | env LC_ALL=C sort)
    string join '' -- $got'|'
end

function expect -a want line
    set -l got (candidates "$line")
    if test "$got" != "$want"
        printf 'FAIL: %s\n  got:  %s\n  want: %s\n' "$line" "$got" "$want"
        set -g failed 1
    end
end

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
expect "" 'kxctl import x.kxsetup --profiles '
expect "notes.txt|" 'kxctl --device no'

# Each command's own options: --dry-run on those that write, --mode after a macro.
for writing in "profile 1" "dpi 1 800" "stage 1" "rate 125" "light logo on" "button 1 default" \
    "macro import x.mac" "import x.kxsetup"
    expect "--dry-run|" "kxctl $writing --dr"
end
for reading in list show "export x.kxsetup" "macro list" "macro show X" "macro export X y.mac"
    expect "" "kxctl $reading --dr"
end
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

# Names kxctl gives, in any case, typed quoted or escaped.
expect "Left Arrow|Left Click|" 'kxctl button 1 function Left'
expect "Left Click|" 'kxctl button 1 function "left c'
expect "Left Click|" 'kxctl button 1 function Left\ C'
expect "F1|F10|F11|F12|" 'kxctl button 1 function f1'
expect "Fire Storm|" 'kxctl button 1 macro fi'
expect "Fire Storm|" 'kxctl button 1 "macro" "fi'
expect "Fire Storm|" 'kxctl macro export f'

# Files: set-up files and macro files first, then the others; "-" for the standard streams.
set -l offered (complete -C 'kxctl import ' | string replace -r '\t.*' '')
if test "$offered[1..3]" != "- mine.kxsetup sets/"; or not contains notes.txt $offered
    printf 'FAIL: kxctl import: %s\n' (string join '|' $offered)
    set failed 1
end
set offered (complete -C 'kxctl macro export X ' | string replace -r '\t.*' '')
if test "$offered[1..2]" != "Fire Storm.mac sets/"; or not contains notes.txt $offered
    printf 'FAIL: kxctl macro export X: %s\n' (string join '|' $offered)
    set failed 1
end
expect "notes.txt|" 'kxctl import no'
expect "-|--device|--dry-run|--help|--json|--profiles|--verbose|--version|--wait|-V|-h|" \
    'kxctl import -'
expect "notes.txt|" 'kxctl button 1 launch no'

exit $failed
