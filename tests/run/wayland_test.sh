#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a Wayland session, under weston's headless backend: it starts, shows its main window
# and ends cleanly; then the settings dialog opens over the real component and closes.
# Usage: wayland_test.sh PROGRAM END_TO_END_TESTS
set -uo pipefail
program=$1
end_to_end=$2

if ! command -v weston >/dev/null; then
  echo "SKIP: weston is not installed (scripts/deps.sh build installs it)"
  exit 77
fi
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
  echo "SKIP: Qt's Wayland platform plugin is not installed (scripts/deps.sh build installs qt6-wayland)"
  exit 77
fi

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=
cleanup() {
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=quorvel-test QT_QPA_PLATFORM=wayland
# In a sanitizer build: what libwayland-client keeps to the end of the process is not ours to report.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/wayland.lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break
  sleep 0.1
done
if [[ ! -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; then
  echo "FAIL: weston did not start"; cat "$work/weston.log"; exit 1
fi

failures=0
# The program reports on fd 3 when its window is on the screen, and then quits by itself.
mkdir "$work/recorders"
shown=$(QUORVEL_RECORDERS=$work/recorders QUORVEL_UI_SHOWN_FD=3 timeout 60 "$program" 3>&1 >"$work/program.log" 2>&1)
status=$?
if [[ $status -eq 0 && $shown == shown ]]; then
  echo "pass: the program starts, shows its window and exits"
else
  echo "FAIL: the program (exit $status, reported '$shown')"; cat "$work/program.log"; failures=$((failures + 1))
fi

if timeout 120 "$end_to_end" --gtest_filter='SettingsEndToEndTest.DefaultRecorderShowsItsValuesAndItsDpm4Button' \
  >"$work/settings.log" 2>&1; then
  echo "pass: the settings dialog opens and closes"
else
  echo "FAIL: the settings dialog"; cat "$work/settings.log"; failures=$((failures + 1))
fi
[[ $failures -eq 0 ]]
