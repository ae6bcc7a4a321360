#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the bash completions of quorvelctl and dpmrecorder as bash-completion does on Tab, over
# simulated recorders in folders of the test's own; fish answers a few of the same through its own
# completer, and zsh reads its files.
# Usage: completion_test.sh BIN_DIR COMPLETION_DIR WORK_DIR
set -uo pipefail
bin=$(realpath "$1")
completions=$2
work=$3
rm -rf "$work"
mkdir -p "$work/recorders" "$work/other" "$work/files"
touch "$work/files/dict.DSS" "$work/files/reference.json"
export PATH=$bin:$PATH QUORVEL_RECORDERS=$work/recorders
dpmrecorder add DPM4_8200 desk >/dev/null && dpmrecorder add DPM_9450_52 ward >/dev/null &&
  dpmrecorder --root "$work/other" add DPM4_8000 travel >/dev/null || { echo "FAILED: dpmrecorder add" >&2; exit 1; }

source /usr/share/bash-completion/bash_completion || { echo "FAILED: bash-completion is not installed" >&2; exit 1; }
source "$completions/quorvelctl.bash"
source "$completions/dpmrecorder.bash"

failed=0
# complete LINE: what Tab offers at the end of LINE, sorted, on one line.
complete_line() {
  COMP_LINE=$1
  COMP_POINT=${#COMP_LINE}
  read -ra COMP_WORDS <<<"$COMP_LINE"
  [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  local function
  function=$(complete -p "${COMP_WORDS[0]}" | sed -E 's/.*-F ([^ ]+).*/\1/')
  "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ' 
}
expect() {
  local got
  got=$(complete_line "$1")
  if [[ $got != "$2" ]]; then
    echo "FAILED: '$1' offers [$got], expected [$2]" >&2
    failed=1
  fi
}

commands=$( (echo help; quorvelctl --help | awk '/^commands:/ { on = 1; next } /^$/ { on = 0 } on { print $1 }') |
  sort | paste -sd ' ')
expect "quorvelctl " "$commands"
expect "quorvelctl --v" "--version"
expect "quorvelctl show -d " "0 1"
expect "quorvelctl apply $work/files/reference.json --" "--all --device --dry-run --help --json"
expect "quorvelctl format --" "--device --help --json --yes"
expect "quorvelctl diff @" "@0 @1"
expect "quorvelctl diff $work/files/r" "$work/files/reference.json"
expect "quorvelctl info $work/files/d" "$work/files/dict.DSS"
expect "quorvelctl convert --format " "0 1"
expect "quorvelctl watch --apply $work/files/r" "$work/files/reference.json"
expect "quorvelctl help fo" "format"
expect "dpmrecorder " "add help list models press put record release remove scan scanner show"
expect "dpmrecorder add DPM4_8" "$(dpmrecorder models | cut -f2 | grep '^DPM4_8' | sort | paste -sd ' ')"
expect "dpmrecorder press " "desk ward"
expect "dpmrecorder --root $work/other show " "travel"
expect "dpmrecorder press desk re" "record rewind"
expect "dpmrecorder scanner ward " "attach detach"
expect "dpmrecorder put desk $work/files/d" "$work/files/dict.DSS"
# The session that lists recorders for Tab is the administrator's: it makes none where there is none.
QUORVEL_RECORDERS=$work/empty expect "quorvelctl time -d " ""
[[ ! -e $work/empty || -z $(ls -A "$work/empty") ]] || { echo "FAILED: completing made a recorder" >&2; failed=1; }

# fish answers the same questions through complete -C; zsh's parser reads its files.
fish_expect() {
  local got
  got=$(fish -c "source '$completions/$1.fish'; complete -C '$2'" | cut -f1 | sort | paste -sd ' ')
  [[ $got == "$3" ]] || { echo "FAILED: fish: '$2' offers [$got], expected [$3]" >&2; failed=1; }
}
fish_expect quorvelctl "quorvelctl show -d " "0 1"
fish_expect quorvelctl "quorvelctl diff @" "@0 @1"
fish_expect quorvelctl "quorvelctl format --" "--device --help --json --yes"
fish_expect dpmrecorder "dpmrecorder press " "desk ward"
fish_expect dpmrecorder "dpmrecorder scanner ward " "attach detach"
for tool in quorvelctl dpmrecorder; do
  zsh -n "$completions/_$tool" || { echo "FAILED: zsh cannot read _$tool" >&2; failed=1; }
  fish --no-execute "$completions/$tool.fish" || { echo "FAILED: fish cannot read $tool.fish" >&2; failed=1; }
done
[[ $(complete -p quorvelctl) == "complete -F _quorvelctl quorvelctl" ]] || { echo "FAILED: complete -p quorvelctl" >&2; failed=1; }
[[ $failed -eq 0 ]] && echo "completions: ok"
exit $failed
