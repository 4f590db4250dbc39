#!/usr/bin/env bash
# Installs what is missing, builds and starts the desktop program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
exec "${TVM_BUILD_DIR:-$root/build}/src/app/tarvelomark" "$@"
