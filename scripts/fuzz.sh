#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ and runs each
# for the given number of seconds (default 60) over the seed corpus in tests/data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${TVM_FUZZ_BUILD_DIR:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTVM_LIBFUZZER=ON -DTVM_BUILD_TESTS=OFF -DTVM_BUILD_BENCH=OFF -DTVM_BUILD_GUI=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined" > /dev/null
targets=$(sed -n 's/^tvm_add_fuzzer(\(.*\))$/\1/p' "$root/fuzz/CMakeLists.txt")
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$(nproc)" --target $targets

status=0
for target in $targets; do
  corpus=$(mktemp -d)
  cp -r "$root/tests/data/." "$corpus/" 2>/dev/null || true
  echo "== $target: ${seconds}s"
  if ! (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 "$corpus" 2>&1 \
        | grep -E 'DONE|cov:|stat::number_of_executed_units|ERROR|SUMMARY' | tail -n 6); then
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
