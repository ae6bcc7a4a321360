#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The virtual display of ./run lets in only who holds its VNC password and its X cookie.
set -uo pipefail
cd "${0%/*}/../.."

for tool in Xvfb x11vnc xauth xdpyinfo vncsnapshot; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/deps.sh dev installs it)"
    exit 77
  fi
done

source scripts/virtual-display.sh
work=$(mktemp -d)
trap 'stop_virtual_display; rm -rf "$work"' EXIT
start_virtual_display || { echo "FAIL: the virtual display did not start"; exit 1; }

failures=0
expect() {  # expect ok|refused WHAT COMMAND...
  local want=$1 what=$2 got=refused
  shift 2
  "$@" >/dev/null 2>&1 && got=ok
  if [[ $got == "$want" ]]; then echo "pass: $what"; else echo "FAIL: $what ($got)"; failures=$((failures + 1)); fi
}

# The security types the VNC server offers before any password: 1 would be "None".
offers_no_password() {
  exec 3<>"/dev/tcp/127.0.0.1/$VD_PORT" || return 1
  head -c 12 <&3 >/dev/null
  printf 'RFB 003.008\n' >&3
  local reply
  read -ra reply < <(timeout 5 dd bs=64 count=1 2>/dev/null <&3 | od -An -tu1)
  exec 3<&-
  [[ ${#reply[@]} -gt 1 && " ${reply[*]:1} " == *" 1 "* ]]  # the count, then the types
}

snapshot() {  # snapshot PASSWORD: a VNC client that takes a picture of the screen
  x11vnc -storepasswd "$1" "$work/rfbauth" >/dev/null 2>&1 &&
    timeout 20 vncsnapshot -quiet -passwd "$work/rfbauth" "127.0.0.1:$((VD_PORT - 5900))" "$work/shot.jpg" &&
    [[ -s $work/shot.jpg ]]
}

expect refused "an X client without the cookie" env DISPLAY="$VD_DISPLAY" XAUTHORITY=/dev/null xdpyinfo
expect ok "an X client with the cookie" env DISPLAY="$VD_DISPLAY" XAUTHORITY="$VD_XAUTHORITY" xdpyinfo
expect refused "a VNC connection without a password" offers_no_password
expect refused "a VNC client with a wrong password" snapshot "not-this"
expect ok "a VNC client with the password" snapshot "$VD_PASSWORD"
[[ $failures -eq 0 ]]
