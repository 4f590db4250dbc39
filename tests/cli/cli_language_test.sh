#!/usr/bin/env bash
# The tool answers in the language the settings choose, and without a choice in
# that of the system's locale: German for German and the C locale, English for
# every other.
set -euo pipefail
cli=$1
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config LANGUAGE= LC_ALL=

check() { # expected-first-word, then environment assignments
  local expected=$1
  shift
  local first
  first=$(env "$@" "$cli" --help | head -n 1 | cut -d' ' -f1)
  if [ "$first" != "$expected" ]; then
    echo "with $*: '$first' instead of '$expected'" >&2
    exit 1
  fi
}

check Aufruf: LANG=de_DE.UTF-8
check Aufruf: LANG=C.UTF-8
check Usage: LANG=en_GB.UTF-8
check Usage: LANG=fr_FR.UTF-8

# The stored choice wins over the locale.
mkdir -p "$config/Norvak"
printf '[Settings]\nLanguage=1\n' >"$config/Norvak/Tarvelomark.conf"
check Usage: LANG=de_DE.UTF-8
printf '[Settings]\nLanguage=0\n' >"$config/Norvak/Tarvelomark.conf"
check Aufruf: LANG=en_GB.UTF-8

# A failure is told in the same language, with the same exit code.
rm "$config/Norvak/Tarvelomark.conf"
for lang in de_DE en_GB; do
  set +e
  message=$(LANG=$lang.UTF-8 "$cli" dump /nonexistent/note.cmr 2>&1 >/dev/null)
  status=$?
  set -e
  [ "$status" -eq 1 ] || { echo "$lang: exit $status" >&2; exit 1; }
  case $lang:$message in
    de_DE:*"kann nicht gefunden werden"*|en_GB:*"cannot be found"*) ;;
    *) echo "$lang: $message" >&2; exit 1 ;;
  esac
done
echo "the tool speaks both languages"
