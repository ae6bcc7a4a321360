#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks that the installed program stands on its own:
# it shows its main window and loads the installed component through the installed registry, with
# no environment pointing anywhere. Then a second install over planted stale entries, and an
# uninstall by the install manifest.
# Usage: installed_program_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
prefix=$work/usr
private=$prefix/lib/quorvel
registry=$private/registry
class='{6563FB62-676E-4057-87A1-F008E86F01B1}'
typelib='{FCE552F7-3879-486F-BC3F-E247F0215E7D}'

fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/home"
# A prefix relative to the current folder still gives entries with absolute module paths.
(cd "$work" && cmake --install "$build" --prefix usr) >"$work/install.log" || fail "install: $(cat "$work/install.log")"

# Programs in bin/ are links into the private folder, whose files find their libraries beside them.
for program in quorvel dpmrecorder quorvelctl; do
  [[ $(readlink -f "$prefix/bin/$program") == "$private/$program" ]] || fail "bin/$program does not lead to $private"
done
for elf in "$private"/*; do
  [[ -f $elf ]] || continue
  runpath=$(readelf -d "$elf" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  [[ $runpath == '$ORIGIN' ]] || fail "$elf has run path '$runpath'"
done
grep -qx "module=$private/DPMCtrl.so" "$registry/classes/$class" || fail "the class entry does not name the installed module"
[[ -f "$registry/typelibs/$typelib-1.0" ]] || fail "the type library is not registered"

# The menu entry, its icon and the AppStream metadata, as a software centre sees them installed.
appstreamcli validate-tree --no-net --pedantic "$work" >"$work/validate-tree.log" ||
  fail "appstreamcli validate-tree: $(cat "$work/validate-tree.log")"

# Only what a desktop session would pass on: no registry, no library path.
# (The sanitizers' options are kept for a sanitizer build.)
run_installed() {
  env -i PATH=/usr/bin:/bin HOME="$work/home" QT_QPA_PLATFORM=offscreen \
    ${ASAN_OPTIONS+"ASAN_OPTIONS=$ASAN_OPTIONS"} ${UBSAN_OPTIONS+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} "$@"
}
run_installed "$prefix/bin/dpmrecorder" models >"$work/models.txt" || fail "the installed dpmrecorder does not run"
grep -q DPM4_8500 "$work/models.txt" || fail "dpmrecorder models lists no DPM4_8500"
# quorvelctl makes no recorder (exit 3 for none) but must reach the component.
run_installed QUORVEL_RECORDERS="$work/recorders" "$prefix/bin/dpmrecorder" add DPM4_8200 desk >/dev/null
run_installed QUORVEL_RECORDERS="$work/recorders" "$prefix/bin/quorvelctl" list >"$work/list.txt" 2>&1 ||
  fail "the installed quorvelctl found no component or recorder: $(cat "$work/list.txt")"
grep -q "^ExecStart=$prefix/bin/quorvelctl watch " "$prefix/lib/systemd/user/quorvelctl-watch.service" ||
  fail "the watch unit does not run $prefix/bin/quorvelctl"
for completion in bash-completion/completions/quorvelctl zsh/site-functions/_quorvelctl fish/vendor_completions.d/quorvelctl.fish; do
  [[ -f $prefix/share/$completion ]] || fail "share/$completion is not installed"
done

run_installed QUORVEL_UI_SHOWN_FD=1 LD_DEBUG=libs timeout 60 "$prefix/bin/quorvel" \
  >"$work/quorvel.out" 2>"$work/quorvel.err" || fail "quorvel exited with $?"
grep -qx shown "$work/quorvel.out" || fail "quorvel never showed its main window"
grep -q "calling init: $private/libquorvel_automation.so" "$work/quorvel.err" ||
  fail "quorvel did not load the installed automation library"
grep -q "calling init: $private/DPMCtrl.so" "$work/quorvel.err" || fail "quorvel did not load the installed component"

# A second install takes away what an earlier one left for our module, and nothing of anyone else's.
stale='{00000000-0000-0000-0000-0000000000A1}'
foreign='{00000000-0000-0000-0000-0000000000B2}'
printf 'module=%s\nname=Old class\n' "$private/DPMCtrl.so" >"$registry/classes/$stale"
printf 'module=/opt/other/Other.so\nname=Other class\n' >"$registry/classes/$foreign"
cp "$registry/typelibs/$typelib-1.0" "$registry/typelibs/$typelib-0.9"
cmake --install "$build" --prefix "$prefix" >"$work/reinstall.log" || fail "second install: $(cat "$work/reinstall.log")"
[[ ! -e "$registry/classes/$stale" ]] || fail "a stale class entry survived the second install"
[[ ! -e "$registry/typelibs/$typelib-0.9" ]] || fail "a stale type-library version survived the second install"
[[ -e "$registry/classes/$foreign" ]] || fail "the second install removed another module's entry"
grep -qx "module=$private/DPMCtrl.so" "$registry/classes/$class" || fail "the second install lost the class entry"

# Uninstalling what the manifest lists leaves nothing behind.
rm "$registry/classes/$foreign"
xargs -d '\n' rm -f <"$build/install_manifest.txt"
left=$(find "$prefix" -type f -o -type l)
[[ -z $left ]] || fail "files left after uninstall: $left"
echo "installed program: ok"
