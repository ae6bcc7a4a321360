#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file the repository tracks names its licence in one of its first two lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout"; exit 77; }

missing=0
while IFS= read -r -d '' file; do
  case "$file" in
    *.cpp|*.h|*.cmake|*CMakeLists.txt|*.sh|*.scd|*.service.in|*.service|*.yml|*.yaml|*.bash|*.zsh|*.fish|\
    run|test|.ci/run) ;;
    *) continue ;;
  esac
  if ! head -n 2 -- "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $file"
    missing=$((missing + 1))
  fi
done < <(git ls-files -z)
[[ $missing -eq 0 ]] || { echo "$missing file(s) without the licence line"; exit 1; }
