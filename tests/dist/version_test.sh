#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each program answers --version with one line, its name and the version, and exit 0, even without
# a display.
# Usage: version_test.sh VERSION PROGRAM...
set -euo pipefail
version=$1
shift
for program; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --version) ||
    { echo "FAILED: $program --version exited with $?" >&2; exit 1; }
  [[ $out == "$(basename "$program") $version" ]] || { echo "FAILED: $program --version says '$out'" >&2; exit 1; }
done
echo "$# programs: version ok"
