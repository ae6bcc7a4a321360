#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each quorvelctl command's --help and its entry in the manual page name the same options and the
# same signals (--json and --help, which every command takes, aside).
# Usage: help_manual_test.sh QUORVELCTL MANUAL_PAGE_SOURCE
set -euo pipefail
ctl=$1
page=$2

# The options and signals a text names, one a line, sorted.
named() {
  grep -oE '(^|[^A-Za-z0-9-])(--?[a-z][a-z-]*|SIG[A-Z]+)' | sed -E 's/^[^-S]//; s/^--device$/-d/' |
    grep -vxE -- '--json|--help|-h' | sort -u || true
}
# A command's entry in the page: its heading line and the indented lines below it.
entry() { awk -v head="*$1*" '/^[^\t]/ && NF { inside = index($0, head) == 1 } inside' "$page"; }

commands=$("$ctl" --help | awk '/^commands:/ { on = 1; next } /^$/ { on = 0 } on { print $1 }')
[[ -n $commands ]] || { echo "FAILED: quorvelctl --help lists no commands" >&2; exit 1; }
failed=0
for command in $commands; do
  text=$(entry "$command")
  if [[ -z $text ]]; then
    echo "FAILED: the manual page has no entry for $command" >&2
    failed=1
    continue
  fi
  help=$("$ctl" "$command" --help | named)
  manual=$(named <<<"$text")
  if [[ $help != "$manual" ]]; then
    echo "FAILED: $command: --help names [$(echo $help)], the manual page [$(echo $manual)]" >&2
    failed=1
  fi
done
[[ $failed -eq 0 ]] && echo "$(wc -w <<<"$commands") commands: help and manual page agree"
exit $failed
