#!/usr/bin/env bash
# The bash completion and the man page stay in step with --help: every command
# and every option the tool names is completed and documented.
set -euo pipefail
cli=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
completion=$root/dist/linux/tarvelomark-cli.bash
manpage=$root/dist/linux/tarvelomark-cli.1
fail=0

commands=$("$cli" --help | sed -n "s/^  \\([a-z][a-z-]*\\) .*/\\1/p")
[ -n "$commands" ] || { echo "no commands in --help"; exit 1; }
source "$completion"
complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _tarvelomark_cli; echo "${COMPREPLY[*]}"; }

offered=$(complete_words tarvelomark-cli "")
for command in $commands; do
    grep -qw -- "$command" <<<"$offered" || { echo "completion lacks command $command"; fail=1; }
    grep -q -- "$command" "$manpage" || { echo "man page lacks command $command"; fail=1; }
    options=$("$cli" "$command" --help | sed -n 's/^  \(-h, \)\{0,1\}\(--[a-z-]*\).*/\2/p')
    completed=$(complete_words tarvelomark-cli "$command" --)
    for option in $options; do
        grep -qw -- "$option" <<<"$completed" || { echo "completion of $command lacks $option"; fail=1; }
        grep -q -- "${option//-/\\\\-}" "$manpage" || { echo "man page lacks $option"; fail=1; }
    done
done
[ $fail -eq 0 ] && echo "completion and man page follow --help ($(wc -w <<<"$commands") commands)"
exit $fail
