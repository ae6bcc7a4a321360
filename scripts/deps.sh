#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, only those still missing.
# Usage: scripts/deps.sh build|run|dev|bench
set -euo pipefail

build_pkgs=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
            nlohmann-json3-dev libsodium-dev fonts-liberation pkg-config libavformat-dev libavcodec-dev
            libswresample-dev libavutil-dev)
run_pkgs=(xvfb x11vnc xauth)
dev_pkgs=(imagemagick clang libclang-rt-14-dev x11-utils vncsnapshot)
# The conversion benchmark measures against FFmpeg's own command.
bench_pkgs=(ffmpeg)

# The manual pages and icon rendered, the desktop files validated, the package's dependencies found.
build_pkgs+=(scdoc librsvg2-bin desktop-file-utils appstream man-db dpkg-dev file)
# The package checked by Debian's own checker, the shell completions driven or parsed by their shells,
# and the Ansible role run against a scratch prefix.
build_pkgs+=(lintian bash-completion zsh fish ansible-core)
# The program tried on a Wayland session: a headless compositor and Qt's Wayland platform plugin.
build_pkgs+=(weston qt6-wayland)
want=("${build_pkgs[@]}")
case "${1:-build}" in
  build) ;;
  run) want+=("${run_pkgs[@]}") ;;
  dev) want+=("${run_pkgs[@]}" "${dev_pkgs[@]}") ;;
  bench) want+=("${bench_pkgs[@]}") ;;
  *) echo "usage: $0 build|run|dev|bench" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages; install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
