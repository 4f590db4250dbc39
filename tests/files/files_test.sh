#!/usr/bin/env bash
# What the unit tests cannot do without root, done for real with the
# command-line tool:
#  1. a full disk (a tiny tmpfs): every command that writes fails with exit 1
#     and leaves the file it would have replaced as it was, completely full
#     and nearly full; a lock that cannot be made fails at once;
#  2. links planted by another user in a shared sticky folder are not written
#     through; links of one's own and of the folder's owner are;
#  3. a lock left behind by a crashed program of another user does not block
#     the shared address book;
#  4. saving a shared address book (as root, as another member of the group)
#     keeps its owner where allowed, its group and its mode, so the others can
#     still write it;
#  5. a save killed part way (SIGKILL) leaves its temporary file, which the next
#     save removes once it is an hour old, and nothing of another user, no link
#     and no file of another name.
# Users are bare numbers (no passwd entries are made): anna 47001 and bernd
# 47002 in group 47000, mallory 47003 in none.
#
# Usage: files_test.sh [BUILD_DIR]. Ends with one line, "File safety test: ...":
# passed, SKIPPED with the reason (exit 0) or FAILED with the reason (exit 1).
# Everything it makes lives in one temporary folder (with a tmpfs mounted in
# it), removed at the end.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${TVM_BUILD_DIR:-$root/build}}
cli=$build/src/cli/tarvelomark-cli
helper=$build/tests/tvm_files_helper

work=""
disk=""

cleanup() {
  [ -n "$disk" ] && mountpoint -q "$disk" && umount "$disk"
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

skip() {
  echo "File safety test: SKIPPED ($1)"
  exit 0
}

fail() {
  [ -n "$work" ] && [ -s "$work/run.log" ] && { echo "--- $work/run.log (end)"; tail -n 20 "$work/run.log"; }
  echo "File safety test: FAILED ($1)"
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "needs root for a tmpfs and for files of other users"
[ -x "$cli" ] && [ -x "$helper" ] || skip "$cli or $helper not built"
command -v setpriv >/dev/null || skip "setpriv (util-linux) is missing"

work=$(mktemp -d /tmp/tvm-files.XXXXXX)
chmod 755 "$work"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Runs the tool as user $1 (groups $2, comma-separated, may be empty) with a
# home of its own.
as_user() {
  local uid=$1 groups=$2
  shift 2
  local home=$work/home-$uid
  mkdir -p "$home/config" "$home/runtime"
  chown -R "$uid" "$home" && chmod 700 "$home/runtime"
  local gid=${groups%%,*} group_args=(--clear-groups)
  [ -n "$groups" ] && group_args=(--groups "$groups")
  setpriv --reuid="$uid" --regid="${gid:-$uid}" "${group_args[@]}" \
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
    USER="u$uid" QT_QPA_PLATFORM=offscreen "$@"
}
anna=47001 bernd=47002 mallory=47003 team=47000

run() { "$@" >>"$work/run.log" 2>&1; }
sum() { md5sum <"$1" | cut -d' ' -f1; }
leftovers() { find "$1" -maxdepth 1 -name '.*.tvm-tmp' | head -n 1; }

# A big document and address book, which do not fit into a nearly full disk.
printf '{"form": "cmr", "fields": [["%s"]]}\n' "$(head -c 30000 /dev/zero | tr '\0' x)" \
  >"$work/big.json"
printf '{"addresses": ["%s"]}\n' "$(head -c 30000 /dev/zero | tr '\0' a)" >"$work/addresses.json"
printf '{"addresses": ["A"]}\n' >"$work/small.json"
"$cli" new cmr "$work/note.cmr" >>"$work/run.log" 2>&1 || fail "could not make a CMR note"

# Runs every write command of the tool against folder $1 and expects each to fail
# and to leave its file as it was. $3 "big" leaves out `new`, whose small file
# fits into a nearly full disk.
writes_refused() { # folder, what, all|big
  local dir=$1 what=$2 f
  local -A before
  for f in note.cmr out.png out.pdf print.pdf TMAdress.dat; do
    [ -e "$dir/$f" ] || fail "$what: $dir/$f is missing before the test"
    before[$f]=$(sum "$dir/$f")
  done
  run "$cli" build "$work/big.json" "$dir/note.cmr" && fail "$what: build reported success"
  if [ "$3" = all ]; then
    run "$cli" new cmr "$dir/note.cmr" && fail "$what: new reported success"
  fi
  run "$cli" render "$work/note.cmr" "$dir/out.png" && fail "$what: render to PNG reported success"
  run "$cli" render "$work/note.cmr" "$dir/out.pdf" && fail "$what: render to PDF reported success"
  run "$cli" print "$work/note.cmr" "$dir/print.pdf" --copies 99 &&
    fail "$what: print reported success"
  run "$cli" build "$work/addresses.json" "$dir/TMAdress.dat" &&
    fail "$what: the address build reported success"
  for f in note.cmr out.png out.pdf print.pdf TMAdress.dat; do
    [ "$(sum "$dir/$f")" = "${before[$f]}" ] || fail "$what: $f was changed"
  done
  [ -z "$(leftovers "$dir")" ] || fail "$what: a temporary file was left: $(leftovers "$dir")"
}

# --- 1. a full disk ------------------------------------------------------------
disk=$work/disk
mkdir "$disk"
mount -t tmpfs -o size=2m,mode=0755 tmpfs "$disk" 2>>"$work/run.log" ||
  { disk=""; skip "cannot mount a tmpfs here (no CAP_SYS_ADMIN?)"; }
run "$cli" new cmr "$disk/note.cmr" &&
  run "$cli" render "$work/note.cmr" "$disk/out.png" &&
  run "$cli" render "$work/note.cmr" "$disk/out.pdf" &&
  run "$cli" print "$work/note.cmr" "$disk/print.pdf" --copies 1 &&
  run "$cli" build "$work/small.json" "$disk/TMAdress.dat" || fail "could not fill the tmpfs"
dd if=/dev/zero of="$disk/fill" bs=4k >/dev/null 2>&1
writes_refused "$disk" "full disk" all
timeout 20 "$cli" dump "$disk/TMAdress.dat" >"$work/dump.out" 2>&1
code=$?
cat "$work/dump.out" >>"$work/run.log"
[ $code -eq 1 ] || fail "dump of the address book on a full disk: exit $code, expected 1 at once"
grep -q "Sperrdatei" "$work/dump.out" || fail "dump on a full disk did not say that the lock could not be made"
# Nearly full: the writes start and fail part way.
truncate -s -16k "$disk/fill"
writes_refused "$disk" "nearly full disk" big
rm -f "$disk/fill"
umount "$disk" && disk=""

# --- 2. links planted in a shared sticky folder ---------------------------------
shared=$work/shared
mkdir -m 1777 "$shared"
echo geheim >"$work/victim"
for f in note.cmr out.png out.pdf print.pdf TMAdress.dat; do
  as_user $mallory "" ln -s "$work/victim" "$shared/$f" || fail "mallory could not plant a link"
done
as_user $mallory "" ln -s "$work/made-by-link" "$shared/dangling.cmr"
writes_refused "$shared" "planted links" all
grep -q "die einem anderen Benutzer gehört" "$work/run.log" || fail "no message about the foreign link"
[ "$(cat "$work/victim")" = geheim ] || fail "the link's target was overwritten"
run "$cli" new cmr "$shared/dangling.cmr" && fail "new through a dangling foreign link reported success"
[ -e "$work/made-by-link" ] && fail "a dangling foreign link made its target"
# One's own link, and a link of the folder's owner, are followed.
ln -s "$work/own.cmr" "$shared/own.cmr"
run "$cli" new cmr "$shared/own.cmr" || fail "writing through one's own link failed"
[ -L "$shared/own.cmr" ] && [ -s "$work/own.cmr" ] || fail "one's own link was not followed"
mkdir "$work/annas" && chown $anna "$work/annas"
as_user $anna "" ln -s "$work/annas-note.cmr" "$work/annas/note.cmr"
run "$cli" new cmr "$work/annas/note.cmr" || fail "writing through the folder owner's link failed"
[ -s "$work/annas-note.cmr" ] || fail "the folder owner's link was not followed"

# --- 3. and 4. a shared address book --------------------------------------------
umask 002
book=$work/team/TMAdress.dat
# Group-writable, without the set-group-ID bit: a new file would get the
# writer's own group.
mkdir -m 0775 "$work/team" && chgrp $team "$work/team"
as_user $anna $team "$cli" build "$work/small.json" "$book" >>"$work/run.log" 2>&1 ||
  fail "anna could not make the shared address book"
owner() { stat -c '%u:%g %a' "$1"; }
[ "$(owner "$book")" = "$anna:$team 664" ] || fail "the new address book is $(owner "$book")"

# A lock of anna's crashed program: 0644 as QLockFile makes it with the usual
# umask, process gone.
(umask 022 && as_user $anna $team "$helper" stale-lock "$book" >>"$work/run.log" 2>&1) ||
  fail "could not leave a lock behind"
[ "$(stat -c %a "$book.lock")" = 644 ] || fail "the stale lock is not 0644"
[ "$(stat -c %u "$book.lock")" = $anna ] || fail "the stale lock does not belong to anna"
start=$SECONDS
as_user $bernd $team timeout 30 "$cli" dump "$book" >>"$work/run.log" 2>&1 ||
  fail "bernd could not read the address book past anna's stale lock"
as_user $bernd $team "$cli" build "$work/small.json" "$book" >>"$work/run.log" 2>&1 ||
  fail "bernd could not write the address book past anna's stale lock"
[ $((SECONDS - start)) -lt 10 ] || fail "the stale lock was waited for ($((SECONDS - start)) s)"
[ -e "$book.lock" ] && fail "the lock was left behind"

# Root saves: the file stays bernd's, in the group, 0664.
run "$cli" build "$work/small.json" "$book" || fail "root could not write the address book"
[ "$(owner "$book")" = "$bernd:$team 664" ] || fail "after root's save the book is $(owner "$book")"
# Another member saves: the owner becomes anna (she may not give it away), the
# group and mode stay, and bernd can still write it.
as_user $anna $team "$cli" build "$work/small.json" "$book" >>"$work/run.log" 2>&1 ||
  fail "anna could not write the address book after root"
[ "$(owner "$book")" = "$anna:$team 664" ] || fail "after anna's save the book is $(owner "$book")"
as_user $bernd $team "$cli" build "$work/small.json" "$book" >>"$work/run.log" 2>&1 ||
  fail "bernd could no longer write the address book"

# --- 5. a save killed part way ----------------------------------------------------
killed=$work/killed
mkdir -m 1777 "$killed"
note=$killed/note.cmr
run "$cli" new cmr "$note" || fail "could not make the note for the killed save"
before=$(sum "$note")
{ run "$helper" killed-save "$note" 20000000 16000000; } 2>/dev/null # no "Killed" line
code=$?
[ $code -eq 137 ] || fail "the save was not killed (exit $code)"
[ "$(sum "$note")" = "$before" ] || fail "the killed save changed the note"
left=$(find "$killed" -maxdepth 1 -name '.note.cmr.??????.tvm-tmp')
[ "$(echo "$left" | wc -w)" -eq 1 ] && [ "$(stat -c %s "$left")" -eq 16000000 ] ||
  fail "the killed save left no 16 MB temporary file: '$left'"
# What must stay, all two hours old: a temporary file of another user's, a link
# and a file of another name.
aged() { touch -h -d '2 hours ago' "$@"; }
as_user $mallory "" sh -c "echo x >'$killed/.note.cmr.Mallo1.tvm-tmp'" ||
  fail "mallory could not leave a temporary file"
as_user $mallory "" touch -d '2 hours ago' "$killed/.note.cmr.Mallo1.tvm-tmp"
ln -s "$work/victim" "$killed/.note.cmr.Link01.tvm-tmp"
echo x >"$killed/.note.cmr.Other1.tmp"
aged "$killed/.note.cmr.Link01.tvm-tmp" "$killed/.note.cmr.Other1.tmp"
run "$cli" build "$work/big.json" "$note" || fail "the save after the killed one failed"
[ -e "$left" ] || fail "a temporary file younger than an hour was removed"
aged "$left"
run "$cli" build "$work/big.json" "$note" || fail "the second save after the killed one failed"
[ -e "$left" ] && fail "the hour-old temporary file of the killed save is still there"
for f in .note.cmr.Mallo1.tvm-tmp .note.cmr.Link01.tvm-tmp .note.cmr.Other1.tmp; do
  [ -e "$killed/$f" ] || [ -L "$killed/$f" ] || fail "$f was removed"
done
[ "$(cat "$work/victim")" = geheim ] || fail "the target of the planted link was changed"

echo "File safety test: passed (full and nearly full tmpfs, planted links, a stale lock of another user, the shared address book's owner, group and mode, a killed save's leftover)"
