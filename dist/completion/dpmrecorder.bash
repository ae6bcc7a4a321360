# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for dpmrecorder: commands, model names from `dpmrecorder models`, the recorders'
# names from `dpmrecorder list`, buttons, and file names where a file goes.

_dpmrecorder() {
  local cur prev words cword
  _init_completion || return

  local root=() args=() i
  for ((i = 1; i < cword; i++)); do
    if [[ ${words[i]} == --root ]]; then
      root=(--root "${words[i + 1]}")
      ((i++))
    else
      args+=("${words[i]}")
    fi
  done
  if [[ $prev == --root ]]; then
    _filedir -d
    return
  fi

  local recorders
  case ${#args[@]} in
    0)
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--root --help --version" -- "$cur"))
      else
        COMPREPLY=($(compgen -W "models add remove list show press release scan scanner put record help" -- "$cur"))
      fi
      return ;;
    1)
      case ${args[0]} in
        add) COMPREPLY=($(compgen -W "$(dpmrecorder models 2>/dev/null | cut -f2)" -- "$cur")) ;;
        remove | show | press | release | scan | scanner | put | record)
          recorders=$(dpmrecorder "${root[@]}" list 2>/dev/null | cut -f1)
          COMPREPLY=($(compgen -W "$recorders" -- "$cur")) ;;
      esac ;;
    2)
      case ${args[0]} in
        press | release)
          COMPREPLY=($(compgen -W "stop play record insert eol rewind forward dls del dialup dialdown dialpress smart1 smart2 programmable" -- "$cur")) ;;
        scanner) COMPREPLY=($(compgen -W "attach detach" -- "$cur")) ;;
        put) _filedir ;;
      esac ;;
  esac
}
complete -F _dpmrecorder dpmrecorder
