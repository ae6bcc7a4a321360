# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by ./run and its test. A virtual X display shared over VNC on 127.0.0.1 only, closed to
# other local users: the X server wants an authorisation cookie and the VNC server a one-time
# password, both kept in a private folder (mode 0700) that stop_virtual_display removes.
#
# start_virtual_display sets VD_DISPLAY, VD_PORT, VD_PASSWORD and VD_XAUTHORITY; it returns non-zero
# when a server does not come up. Secrets never appear on a command line, where ps would show them.

VD_DIR= VD_XVFB= VD_VNC=

start_virtual_display() {
  VD_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-display-XXXXXX") || return 1
  VD_XAUTHORITY=$VD_DIR/Xauthority
  VD_PASSWORD=$(head -c 6 /dev/urandom | base64)  # a VNC password has 8 characters at most
  (umask 077 && printf '%s\n' "$VD_PASSWORD" >"$VD_DIR/vncpasswd" && : >"$VD_XAUTHORITY") || return 1

  local n=90
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  VD_DISPLAY=:$n
  local cookie
  cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
  echo "add $VD_DISPLAY . $cookie" | xauth -q -f "$VD_XAUTHORITY" source - || return 1

  Xvfb "$VD_DISPLAY" -auth "$VD_XAUTHORITY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  VD_XVFB=$!
  local _
  for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
  [[ -S /tmp/.X11-unix/X$n ]] || return 1

  VD_PORT=5900
  while (exec 3<>"/dev/tcp/127.0.0.1/$VD_PORT") 2>/dev/null; do VD_PORT=$((VD_PORT + 1)); done
  x11vnc -localhost -display "$VD_DISPLAY" -auth "$VD_XAUTHORITY" -rfbport "$VD_PORT" \
    -passwdfile "$VD_DIR/vncpasswd" -forever -shared -quiet >/dev/null 2>&1 &
  VD_VNC=$!
  for _ in $(seq 100); do
    (exec 3<>"/dev/tcp/127.0.0.1/$VD_PORT") 2>/dev/null && return 0
    kill -0 "$VD_VNC" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

stop_virtual_display() {
  [[ -n $VD_VNC ]] && kill "$VD_VNC" 2>/dev/null
  [[ -n $VD_XVFB ]] && kill "$VD_XVFB" 2>/dev/null
  [[ -n $VD_DIR ]] && rm -rf "$VD_DIR"
  VD_VNC= VD_XVFB= VD_DIR=
  return 0
}
