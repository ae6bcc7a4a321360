#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every built manual page; any warning of groff is a fault in the page's source.
# Usage: manual_pages_test.sh MAN_DIR
set -euo pipefail
shopt -s nullglob
pages=("$1"/*.1.gz)
[[ ${#pages[@]} -gt 0 ]] || { echo "FAILED: no manual pages in $1" >&2; exit 1; }
for page in "${pages[@]}"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || { echo "FAILED: $page: $warnings" >&2; exit 1; }
  [[ -z $warnings ]] || { echo "FAILED: $page: $warnings" >&2; exit 1; }
done
echo "${#pages[@]} manual pages: ok"
