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

# The cases the zsh driver tries too.
for case in (string match -v -r '^#' < (status dirname)/completion-cases.txt)
    set -l parts (string split \t -- $case)
    expect "$parts[2]" (string replace -r '\$$' '' -- $parts[1])
end
expect "" 'kxctl import x.kxsetup --profiles '
expect "Fire Storm|" 'kxctl button 1 "macro" "fi'

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

exit $failed
