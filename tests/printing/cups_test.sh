#!/usr/bin/env bash
# Prints a CMR note through a real print spooler. A private CUPS scheduler gets
# a cups-pdf queue, which a throw-away settings store remembers as the CMR
# form's printer; the program's print path without its dialogs
# (tvm_print_headless) selects it by name and prints. The PDF that cups-pdf
# writes must hold one A4 page per copy with the alignment mark where the sheet
# expects it. Then a remembered printer that does not exist: the user is told,
# and the job goes to the current (default) printer.
#
# Usage: cups_test.sh [BUILD_DIR]. Ends with one line, "CUPS print test: ...":
# passed, SKIPPED with the reason (exit 0) or FAILED with the reason (exit 1).
# It installs the Debian packages cups, printer-driver-cups-pdf and
# poppler-utils when missing. Everything else it makes lives in one temporary
# folder plus one cups-pdf queue file in /etc/cups, both removed at the end;
# the machine's own scheduler, queues and settings are left alone, and the
# scheduler listens on a socket in the temporary folder only.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${TVM_BUILD_DIR:-$root/build}}
helper=$build/tests/tvm_print_headless
cli=$build/src/cli/tarvelomark-cli
copies=3

work=""
cupsd_pid=""
queue_conf=""

cleanup() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  [ -n "$queue_conf" ] && rm -f "$queue_conf"
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

skip() {
  echo "CUPS print test: SKIPPED ($1)"
  exit 0
}

fail() {
  if [ -n "$work" ]; then
    for log in "$work/run.log" "$work/log/error_log"; do
      [ -s "$log" ] && { echo "--- $log (end)"; tail -n 15 "$log"; }
    done
  fi
  echo "CUPS print test: FAILED ($1)"
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "needs root to install and run a CUPS scheduler"
[ -x "$helper" ] && [ -x "$cli" ] ||
  skip "$helper or $cli not built (the desktop layer is off?)"

work=$(mktemp -d /tmp/tvm-cups.XXXXXX)
chmod 755 "$work" # the scheduler's filters run as lp and must reach their files

# --- the spooler ------------------------------------------------------------
packages=(cups printer-driver-cups-pdf poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! timeout 300 apt-get install -y -qq --no-install-recommends "${missing[@]}" \
      >"$work/apt.log" 2>&1; then
    timeout 120 apt-get update -qq >>"$work/apt.log" 2>&1
    timeout 300 apt-get install -y -qq --no-install-recommends "${missing[@]}" \
      >>"$work/apt.log" 2>&1 || skip "could not install ${missing[*]}"
  fi
fi
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x /usr/sbin/cupsd ] && [ -r "$ppd" ] || skip "cupsd or the cups-pdf driver is missing"

mkdir -p "$work/conf" "$work/spool" "$work/cache" "$work/state" "$work/log" "$work/out" \
  "$work/tmp" "$work/config/Norvak"
chgrp lp "$work/tmp" && chmod 1770 "$work/tmp"
socket=$work/cups.sock
cat >"$work/conf/cupsd.conf" <<EOF
Listen $socket
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/conf/cups-files.conf" <<EOF
ServerRoot $work/conf
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
FileDevice Yes
EOF
/usr/sbin/cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" \
  >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$socket
for _ in $(seq 50); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.2
done
lpstat -r >/dev/null 2>&1 || skip "cupsd did not start (see $work/log)"

# cups-pdf reads a queue's settings from /etc/cups by the name in its device
# URI; this one writes into the temporary folder.
name=tvm$$
queue_conf=/etc/cups/cups-pdf-$name.conf
cat >"$queue_conf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $work/spool-pdf
Log $work/log
EOF
printer=TvmCmrPdf
fallback=TvmDefault
{
  lpadmin -p "$printer" -E -v "cups-pdf:/$name" -P "$ppd" &&
    lpadmin -p "$fallback" -E -v file:///dev/null -P "$ppd" &&
    lpadmin -d "$fallback"
} >"$work/lpadmin.log" 2>&1 || skip "could not create the print queues"

# --- printing through the program --------------------------------------------
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
settings=$XDG_CONFIG_HOME/Norvak/Tarvelomark.conf
note=$work/note.cmr
"$cli" new cmr "$note" >>"$work/run.log" 2>&1 || fail "could not make a CMR note"

remember() {
  printf '[CMR]\nDrucker=%s\nReUseDrucker=1\nDruckAnzahl=%s\n' "$1" "$copies" >"$settings"
}

# Waits for a completed job on a queue and prints its id.
completed_job() {
  for _ in $(seq 120); do
    job=$(lpstat -W completed -o "$1" 2>/dev/null | awk 'NR == 1 { print $1 }')
    [ -n "$job" ] && { echo "$job"; return 0; }
    sleep 0.5
  done
  return 1
}

remember "$printer"
out=$(timeout 60 "$helper" print "$note" 2>>"$work/run.log")
echo "$out" >>"$work/run.log"
grep -qx "Drucker: $printer" <<<"$out" || fail "the job did not go to the remembered printer $printer"
grep -q '^Meldung:' <<<"$out" && fail "a message came up for an existing printer"
job=$(completed_job "$printer") || fail "the job on $printer did not complete"
pdf=""
for _ in $(seq 20); do
  pdf=$(find "$work/out" -name "*job_${job##*-}.pdf" 2>/dev/null | head -n 1)
  [ -n "$pdf" ] && break
  sleep 0.5
done
[ -n "$pdf" ] || fail "cups-pdf wrote no PDF for job $job"

pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
[ "$pages" = "$copies" ] || fail "$pdf has ${pages:-no} pages, expected $copies (one per copy)"
pdfinfo "$pdf" 2>/dev/null | grep -q '^Page size: *595 x 842' || fail "$pdf is not A4"

# Publisher 0's corner mark starts at 5 mm, 10 mm from the corner of the
# sheet: the cups-pdf queue prints the whole page, so nothing may shift it.
pdftoppm -r 150 -gray -f 1 -l 1 "$pdf" "$work/page" 2>/dev/null
read -r mark_x mark_y < <("$helper" mark "$work"/page*.pgm 150 2>>"$work/run.log")
awk -v x="${mark_x:-0}" -v y="${mark_y:-0}" \
  'BEGIN { exit !(x > 4.7 && x < 5.3 && y > 9.7 && y < 10.3) }' ||
  fail "the alignment mark is at ${mark_x:-?} mm, ${mark_y:-?} mm instead of 5 mm, 10 mm"

# --- a remembered printer that is gone ---------------------------------------
remember TvmGone
out=$(timeout 60 "$helper" print "$note" --copies 1 2>>"$work/run.log")
echo "$out" >>"$work/run.log"
grep -qx "Meldung: Der Drucker TvmGone konnte nicht gefunden werden. Es wird der Standarddrucker verwendet." <<<"$out" ||
  fail "no message for the missing printer TvmGone"
grep -qx "Drucker: $fallback" <<<"$out" || fail "the job did not go to the current printer $fallback"
completed_job "$fallback" >/dev/null || fail "the job on $fallback did not complete"

echo "CUPS print test: passed ($copies A4 pages through queue $printer, mark at $mark_x mm, $mark_y mm; missing printer told, job on $fallback)"
