#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the unit and widget tests
# under CTest (headless, with a throw-away settings folder), a short libFuzzer pass
# over every reader, the print spooler test and the file safety test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"

# A German and a British system to try the program's language in.
for locale in de_DE en_GB; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8" || true
  fi
done

export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

bash "$root/scripts/fuzz.sh" "${TVM_FUZZ_SECONDS:-10}"
# Printing through a real CUPS spooler (installs CUPS; skips itself without root).
bash "$root/tests/printing/cups_test.sh" "${TVM_BUILD_DIR:-$root/build}"
# A real full disk, links and locks of other users (skips itself without root).
bash "$root/tests/files/files_test.sh" "${TVM_BUILD_DIR:-$root/build}"
# Last, so that its summary closes the run.
ctest --test-dir "${TVM_BUILD_DIR:-$root/build}" --output-on-failure -j "$(nproc)"
