#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built Debian package: Debian's own checker (lintian) finds no error and no warning; its
# declared dependencies and contents, then (as root) installs it
# with dpkg into a fresh root, runs the installed program there as if that root were the system's
# /usr, and removes the package again, which must leave nothing behind.
# Usage: package_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
# dpkg runs the maintainer scripts by their path under --root, which must therefore be absolute.
work=$(realpath -m "$2")
class='{6563FB62-676E-4057-87A1-F008E86F01B1}'

fail() { echo "FAILED: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$build"/quorvel_*.deb)
[[ ${#debs[@]} -eq 1 ]] || fail "expected one package in $build, found ${#debs[@]}"
deb=${debs[0]}

lint=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lint"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
  [[ $depends == *"$needed "* || $depends == *"$needed," || $depends == *"$needed" ]] ||
    fail "Depends lacks $needed: $depends"
done
# The converter module's FFmpeg libraries, whatever their soname versions.
for needed in libavcodec libavformat libswresample; do
  [[ $depends == *"$needed"[0-9]* ]] || fail "Depends lacks $needed: $depends"
done

recommends=$(dpkg-deb --field "$deb" Recommends)
[[ $recommends == "qt6-wayland, fonts-liberation" ]] || fail "Recommends: $recommends"

contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/quorvel ./usr/bin/dpmrecorder ./usr/bin/quorvelctl ./usr/lib/quorvel/DPMCtrl.so ./usr/lib/quorvel/DPMConvert.so \
            ./usr/lib/quorvel/libquorvel_automation.so "./usr/lib/quorvel/registry/classes/$class" \
            ./usr/share/applications/quorvel.desktop ./usr/share/icons/hicolor/scalable/apps/quorvel.svg \
            ./usr/share/icons/hicolor/48x48/apps/quorvel.png ./usr/share/metainfo/com.selvarin.quorvel.metainfo.xml \
            ./usr/share/man/man1/quorvel.1.gz ./usr/share/man/man1/dpmrecorder.1.gz \
            ./usr/share/man/man1/quorvelctl.1.gz ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz \
            ./usr/share/bash-completion/completions/quorvelctl ./usr/share/bash-completion/completions/dpmrecorder \
            ./usr/share/zsh/vendor-completions/_quorvelctl ./usr/share/fish/vendor_completions.d/quorvelctl.fish \
            ./usr/lib/systemd/user/quorvelctl-watch.service; do
  grep -q " $path\( ->\|$\)" <<<"$contents" || fail "the package lacks $path"
done
if grep -E '^[^ ]+ [^r]' <<<"$contents" | grep -q .; then
  fail "files not owned by root: $(grep -E '^[^ ]+ [^r]' <<<"$contents")"
fi
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/lib/quorvel/registry/classes/$class" |
  grep -qx "module=/usr/lib/quorvel/DPMCtrl.so" || fail "the class entry does not name /usr/lib/quorvel/DPMCtrl.so"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/user/quorvelctl-watch.service |
  grep -q "^ExecStart=/usr/bin/quorvelctl watch " || fail "the watch unit does not run /usr/bin/quorvelctl"

if [[ $(id -u) -ne 0 ]]; then
  echo "package contents: ok (installing it into a fresh root needs root: skipped)"
  exit 0
fi

root=$work/root
rm -rf "$work"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$work/home"
touch "$root/var/lib/dpkg/status"
# The fresh root has no libraries of its own: the system's satisfy the dependencies.
# Installed twice, as a reinstall or an upgrade would: the second replaces the first's files.
for round in 1 2; do
  dpkg --root="$root" --force-depends --force-script-chrootless --install "$deb" >"$work/dpkg-install.log" 2>&1 ||
    fail "dpkg --install ($round): $(cat "$work/dpkg-install.log")"
done

# The package's /usr laid over the system's, in a mount namespace of this test alone.
if unshare --mount true 2>/dev/null; then
  unshare --mount bash -c '
    mount -t overlay overlay -o "lowerdir=$1/usr:/usr" /usr || exit 3
    exec env -i PATH=/usr/bin:/bin HOME="$2" QT_QPA_PLATFORM=offscreen QUORVEL_UI_SHOWN_FD=1 LD_DEBUG=libs \
      timeout 60 quorvel' bash "$root" "$work/home" >"$work/quorvel.out" 2>"$work/quorvel.err" && status=0 || status=$?
  if [[ $status -eq 3 ]]; then
    echo "no overlay mounts here: the installed program was not started"
  else
    [[ $status -eq 0 ]] || fail "the installed quorvel exited with $status: $(tail -n 5 "$work/quorvel.err")"
    grep -qx shown "$work/quorvel.out" || fail "the installed quorvel never showed its main window"
    grep -q "calling init: /usr/lib/quorvel/DPMCtrl.so" "$work/quorvel.err" ||
      fail "the installed quorvel did not load /usr/lib/quorvel/DPMCtrl.so"
    # FFmpeg comes with the converter, on the first conversion, never at start-up.
    ! grep -q "calling init: .*/\(DPMConvert.so\|libavcodec\)" "$work/quorvel.err" ||
      fail "the installed quorvel loaded the converter at start-up"
  fi
else
  echo "no mount namespaces here: the installed program was not started"
fi

dpkg --root="$root" --force-script-chrootless --purge quorvel >"$work/dpkg-purge.log" 2>&1 ||
  fail "dpkg --purge: $(cat "$work/dpkg-purge.log")"
left=$(find "$root/usr" -mindepth 1 2>/dev/null || true)
[[ -z $left ]] || fail "left after removal: $left"
[[ -z $(find "$root/var/lib/dpkg/info" -name 'quorvel.*') ]] || fail "dpkg still knows files of quorvel"
echo "package: ok"
