#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every program and library under the given folders finds its libraries only in absolute folders or
# beside itself: the dynamic loader reads an empty or relative run-path entry as the current folder,
# so a library planted wherever a user starts the program would run with that user's rights.
# Usage: run_paths_test.sh FOLDER...
set -euo pipefail
checked=0
bad=()
while IFS= read -r -d '' file; do
  [[ $(head -c 4 "$file" | od -An -c | tr -d ' ') == 177ELF ]] || continue
  checked=$((checked + 1))
  while IFS= read -r list; do
    # A leading, trailing or doubled colon is an empty entry.
    IFS=: read -r -a entries <<<"$list:"
    [[ $list == :* || $list == *:: || $list == *: ]] && bad+=("$file: empty entry in '$list'")
    for entry in "${entries[@]}"; do
      [[ -z $entry || $entry == /* || $entry == '$ORIGIN' || $entry == '$ORIGIN/'* ]] ||
        bad+=("$file: relative entry '$entry'")
    done
  done < <(readelf -d "$file" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
done < <(find "$@" -type f -print0)
[[ $checked -gt 0 ]] || { echo "FAILED: no binaries under $*" >&2; exit 1; }
if [[ ${#bad[@]} -gt 0 ]]; then
  printf 'FAILED: %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "$checked binaries: run paths ok"
