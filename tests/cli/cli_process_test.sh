#!/bin/bash
# The command-line tool as a process: what reaches standard output and standard
# error, real pipes for "-", and the README's folder of notes turned into PDFs.
# Usage: cli_process_test.sh PATH/TO/tarvelomark-cli
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM # the tool chooses offscreen itself
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
cd "$work" || exit 1

"$cli" --help > help.out 2> help.err || fail "--help exit $?"
grep -q '^Aufruf: tarvelomark-cli' help.out || fail "--help not on standard output"
[ -s help.err ] && fail "--help wrote to standard error: $(cat help.err)"

mkdir notes
"$cli" new cmr notes/eins.cmr && "$cli" new national notes/zwei.fbr || fail "new"
printf 'kaputt' > notes/drei.cmr
"$cli" render --output-dir pdf notes/* > render.out 2> render.err
[ $? -eq 1 ] || fail "a batch with a bad file must exit 1"
[ -s pdf/eins.pdf ] && [ -s pdf/zwei.pdf ] || fail "the good notes were not rendered"
[ -e pdf/drei.pdf ] && fail "the bad note has a PDF"
grep -q 'notes/drei.cmr' render.err || fail "the bad note is not named: $(cat render.err)"
# Only the tool's own message: no warnings of Qt's fonts or platform plugin.
[ "$(grep -vc 'drei.cmr\|Beschädigte Datei\|Dateien nicht verarbeitet' render.err)" -eq 0 ] ||
  fail "unexpected messages on standard error: $(cat render.err)"

"$cli" render notes/eins.cmr one.png 2> single.err || fail "render exit $?"
[ -s single.err ] && fail "render wrote to standard error: $(cat single.err)"

"$cli" dump --compact - < notes/eins.cmr > piped.json || fail "dump - exit $?"
"$cli" dump --compact notes/eins.cmr > file.json || fail "dump exit $?"
cmp -s piped.json file.json || fail "dump of standard input differs from dump of the file"
"$cli" dump - < notes/eins.cmr | "$cli" build - rebuilt.cmr || fail "dump | build"
cmp -s rebuilt.cmr notes/eins.cmr || fail "dump | build does not give the note back"

"$cli" render notes/eins.cmr - 2> dash.err
[ $? -eq 2 ] || fail "render to - must be a usage error"
[ -e ./- ] && fail "render wrote a file named -"

[ $failures -eq 0 ] && echo "all passed"
exit $((failures > 0))
