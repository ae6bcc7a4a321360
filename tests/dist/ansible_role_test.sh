#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Ansible role on this machine (--connection=local) against a scratch prefix, a scratch home
# and simulated recorders of its own, one of them off the reference: the role installs, places the
# reference, enables the watch service and reports each recorder's compliance. A second run changes
# nothing.
# Usage: ansible_role_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
source=$(realpath "$1")
build=$(realpath "$2")
work=$(realpath -m "$3")
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/home" "$work/recorders"
export QUORVEL_RECORDERS=$work/recorders
ctl=$build/bin/quorvelctl
"$build/bin/dpmrecorder" add DPM4_8200 desk >/dev/null
"$build/bin/dpmrecorder" add DPM4_8200 ward >/dev/null
"$ctl" export "$work/reference.json" -d 0 >/dev/null
"$ctl" set -d 1 RecordingMode=dpmQualityPlay >/dev/null
ward=$("$ctl" list | awk -F'\t' '$2 == "ward" { print $1 }')

cat >"$work/play.yml" <<PLAY
- name: One desk PC
  hosts: localhost
  gather_subset: [min]
  roles:
    - role: quorvel
      vars:
        quorvel_build_dir: $build
        quorvel_prefix: $work/prefix
        quorvel_desk_home: $work/home
        quorvel_reference: $work/reference.json
        quorvel_environment: {QUORVEL_RECORDERS: $work/recorders}
PLAY
play() {
  env ANSIBLE_HOME="$work/ansible" ANSIBLE_LOCAL_TEMP="$work/ansible/tmp" ANSIBLE_ROLES_PATH="$source/dist/ansible/roles" \
    ANSIBLE_NOCOLOR=1 ANSIBLE_SHOW_CUSTOM_STATS=1 ANSIBLE_PYTHON_INTERPRETER=/usr/bin/python3 \
    ansible-playbook -i localhost, --connection=local "$work/play.yml" >"$work/$1.log" 2>&1 ||
    fail "ansible-playbook ($1): $(tail -n 30 "$work/$1.log")"
  cat "$work/$1.log"
}
recap() { grep -E '^localhost +:' "$work/$1.log"; }

play first
recap first | grep -qv 'changed=0 ' || fail "the first run changed nothing"
[[ -x $work/prefix/bin/quorvelctl ]] || fail "quorvelctl is not installed under the prefix"
cmp -s "$work/reference.json" "$work/home/.config/quorvel/reference.json" || fail "the reference is not in place"
unit=$work/prefix/lib/systemd/user/quorvelctl-watch.service
grep -q "^ExecStart=$work/prefix/bin/quorvelctl watch --apply " "$unit" || fail "the unit does not run the prefix's quorvelctl"
for link in quorvelctl-watch.service default.target.wants/quorvelctl-watch.service; do
  [[ $(readlink "$work/home/.config/systemd/user/$link") == "$unit" ]] || fail "$link is not enabled"
done
# The compliance: the desk recorder matches, the ward recorder differs in its recording mode.
python3 - "$work/first.log" "$ward" <<'CHECK' || fail "the compliance reported is not right: $(cat "$work/first.log")"
import json, re, sys
log = open(sys.argv[1]).read()
block = re.search(r'"msg": (\[.*?\n    \])', log, re.S)
report = {entry["name"]: entry for entry in json.loads(block.group(1))}
assert report["desk"]["compliant"] and report["desk"]["differences"] == [], report
assert not report["ward"]["compliant"] and report["ward"]["differences"] == ["RecordingMode"], report
assert report["ward"]["recorder"] == int(sys.argv[2]), report
CHECK

play second
recap second | grep -q 'changed=0 ' || fail "the second run changed something: $(recap second)"
echo "Ansible role: ok"
