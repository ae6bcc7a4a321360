# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for quorvelctl: commands, their options, recorder numbers from `quorvelctl list`,
# and file names where a file goes.

function __quorvelctl_recorders
    quorvelctl list 2>/dev/null | string replace -r '^(\d+)\t([^\t]*)\t([^\t]*).*' '$1\t$2 $3'
end

set -l commands list show export import diff set apply watch time format files info convert copy move help
set -l with_device show export import set apply time format files
set -l takes_file show export import apply info convert copy move diff

complete -c quorvelctl -f
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a list -d 'the connected recorders'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a show -d 'every setting of a recorder or a settings file'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a export -d "save a recorder's settings to a file"
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a import -d 'write a settings file to a recorder'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a diff -d 'compare settings files and recorders (@N)'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a set -d 'change settings and commit them in one step'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a apply -d 'write a settings file to one or every recorder'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a watch -d 'write it to every recorder that connects'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a time -d "set a recorder's clock"
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a format -d "format a recorder's card"
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a files -d "the dictations on a recorder's card"
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a info -d 'every property of a dictation'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a convert -d 'convert a dictation to WAV'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a copy -d 'copy a dictation into a folder'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a move -d 'move a dictation into a folder'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -a help -d 'the help of the program or a command'
complete -c quorvelctl -n "not __fish_seen_subcommand_from $commands" -l version -d 'print the version'

complete -c quorvelctl -s h -l help -d 'show help'
complete -c quorvelctl -n "__fish_seen_subcommand_from $commands; and not __fish_seen_subcommand_from help" -l json -d 'print one JSON document'
complete -c quorvelctl -n "__fish_seen_subcommand_from $with_device" -s d -l device -x -a '(__quorvelctl_recorders)' -d 'the recorder numbered N'
complete -c quorvelctl -n "__fish_seen_subcommand_from apply" -l all -d 'every connected recorder'
complete -c quorvelctl -n "__fish_seen_subcommand_from apply" -l dry-run -d 'check without writing'
complete -c quorvelctl -n "__fish_seen_subcommand_from format" -l yes -d 'really erase the card'
complete -c quorvelctl -n "__fish_seen_subcommand_from watch" -l apply -r -F -d 'the settings file to apply'
complete -c quorvelctl -n "__fish_seen_subcommand_from convert" -l format -x -a '0\t"16 kHz" 1\t"8 kHz"' -d 'the WAV format'
complete -c quorvelctl -n "__fish_seen_subcommand_from $takes_file" -F
complete -c quorvelctl -n "__fish_seen_subcommand_from diff" -a '(__quorvelctl_recorders | string replace -r "^" "@")'
complete -c quorvelctl -n "__fish_seen_subcommand_from help" -a "$commands"
