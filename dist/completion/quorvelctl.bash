# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for quorvelctl: commands, their options, recorder numbers from `quorvelctl list`,
# and file names where a file goes.

_quorvelctl_recorders() {
  quorvelctl list 2>/dev/null | cut -f1
}

_quorvelctl() {
  local cur prev words cword
  _init_completion || return

  local commands="list show export import diff set apply watch time format files info convert copy move help"
  local command="" i
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      -d | --device | --apply | --format) ((i++)) ;;
      -*) ;;
      *) command=${words[i]}; break ;;
    esac
  done

  case $prev in
    -d | --device)
      COMPREPLY=($(compgen -W "$(_quorvelctl_recorders)" -- "$cur"))
      return ;;
    --format)
      COMPREPLY=($(compgen -W "0 1" -- "$cur"))
      return ;;
    --apply)
      _filedir
      return ;;
  esac

  local options
  case $command in
    "") options="--version" ;;
    list | diff | info | convert | copy | move | watch) options="--json" ;;
    show | export | import | set | time | files) options="-d --device --json" ;;
    apply) options="-d --device --all --dry-run --json" ;;
    format) options="-d --device --yes --json" ;;
    help) options="" ;;
  esac
  case $command in
    watch) options+=" --apply" ;;
    convert) options+=" --format" ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    return
  fi

  case $command in
    "") COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    help) COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    diff)
      if [[ $cur == @* ]]; then
        COMPREPLY=($(compgen -P @ -W "$(_quorvelctl_recorders)" -- "${cur#@}"))
      else
        _filedir
      fi ;;
    show | export | import | apply | info | convert | copy | move) _filedir ;;
  esac
}
complete -F _quorvelctl quorvelctl
