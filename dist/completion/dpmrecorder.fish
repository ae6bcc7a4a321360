# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for dpmrecorder: commands, model names from `dpmrecorder models`, the recorders'
# names from `dpmrecorder list`, buttons, and file names where a file goes.

function __dpmrecorder_root
    set -l words (commandline -opc)
    if set -l at (contains -i -- --root $words)
        echo --root
        echo $words[(math $at + 1)]
    end
end

function __dpmrecorder_recorders
    dpmrecorder (__dpmrecorder_root) list 2>/dev/null
end

function __dpmrecorder_models
    dpmrecorder models 2>/dev/null | string replace -r '^\d+\t([^\t]*)\t(.*)' '$1\t$2'
end

# True when the words after the command, --root and its folder aside, number $argv[1].
function __dpmrecorder_arguments
    set -l words (commandline -opc)
    set -e words[1]
    if set -l at (contains -i -- --root $words)
        set -e words[$at..(math $at + 1)]
    end
    test (count $words) -eq $argv[1]
end

set -l commands models add remove list show press release scan scanner put record help
set -l on_recorder remove show press release scan scanner put record

complete -c dpmrecorder -f
complete -c dpmrecorder -n '__dpmrecorder_arguments 0' -l root -x -a '(__fish_complete_directories)' -d 'the folder of the recorders'
complete -c dpmrecorder -n '__dpmrecorder_arguments 0' -l version -d 'print the version'
complete -c dpmrecorder -s h -l help -d 'show help'
complete -c dpmrecorder -n '__dpmrecorder_arguments 0' -a "$commands"
complete -c dpmrecorder -n '__dpmrecorder_arguments 1; and __fish_seen_subcommand_from add' -a '(__dpmrecorder_models)'
complete -c dpmrecorder -n "__dpmrecorder_arguments 1; and __fish_seen_subcommand_from $on_recorder" -a '(__dpmrecorder_recorders)'
complete -c dpmrecorder -n '__dpmrecorder_arguments 2; and __fish_seen_subcommand_from press release' -a 'stop play record insert eol rewind forward dls del dialup dialdown dialpress smart1 smart2 programmable'
complete -c dpmrecorder -n '__dpmrecorder_arguments 2; and __fish_seen_subcommand_from scanner' -a 'attach detach'
complete -c dpmrecorder -n '__dpmrecorder_arguments 2; and __fish_seen_subcommand_from put' -F
