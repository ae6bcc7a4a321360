#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures (docs/*.png) from the program's own windows over the real component and
# a fresh simulated recorder, on a virtual X display of its own: the main window after Initialize,
# the maintenance window, the settings dialog and the smart buttons dialog.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target screenshot_tour DPMCtrl dpmrecorder >/dev/null

dir=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-screenshots-XXXXXX")
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT

# A display of its own, open only to the holder of its cookie.
n=140
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
: >"$dir/Xauthority"
echo "add :$n . $(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')" | xauth -q -f "$dir/Xauthority" source -
Xvfb ":$n" -auth "$dir/Xauthority" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
[[ -S /tmp/.X11-unix/X$n ]] || { echo "Xvfb did not start (scripts/deps.sh run)" >&2; exit 1; }

mkdir -p docs
# The same pictures on every run: the same scale, language, time zone and recorder.
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_QPA_PLATFORMTHEME -u WAYLAND_DISPLAY \
  DISPLAY=":$n" XAUTHORITY="$dir/Xauthority" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 TZ=UTC \
  QUORVEL_SCREENSHOTS="$PWD/docs" "$build/tests-bin/screenshot_tour" --gtest_brief=1
ls docs/*.png
