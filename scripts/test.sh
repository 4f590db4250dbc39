#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the unit and widget tests
# under CTest (headless, with a throw-away settings folder), then a short libFuzzer
# pass over every reader.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

ctest --test-dir "${TVM_BUILD_DIR:-$root/build}" --output-on-failure -j "$(nproc)"
bash "$root/scripts/fuzz.sh" "${TVM_FUZZ_SECONDS:-10}"
