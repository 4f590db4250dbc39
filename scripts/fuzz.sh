#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (ASan and UBSan on) into
# build-fuzz/ and runs them one after the other.
#
#   scripts/fuzz.sh [SECONDS] [TARGET ...]
#
# SECONDS per target (default 60); TARGETs are names from fuzz/CMakeLists.txt
# (default: all). For long runs, e.g. `scripts/fuzz.sh 600 fuzz_render`. Each
# target keeps its corpus in build-fuzz/corpus/TARGET, seeded from tests/data
# (tests/data/json for the JSON target, tests/data/address-boxes for the address
# splitter) and growing from run to run; inputs that
# crash land in build-fuzz/artifacts/ and replay with the plain runner of the
# normal build: build/fuzz/TARGET FILE. Ends with one summary line per target:
# executions, coverage (edges), features, corpus size, and whether it stayed
# clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build=${TVM_FUZZ_BUILD_DIR:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTVM_LIBFUZZER=ON -DTVM_BUILD_TESTS=OFF -DTVM_BUILD_BENCH=OFF -DTVM_BUILD_GUI=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined" > /dev/null
all=$(sed -n 's/^tvm_add_fuzzer(\([a-z_]*\).*$/\1/p' "$root/fuzz/CMakeLists.txt")
targets=${*:-$all}
for target in $targets; do
  grep -qx "$target" <<<"$all" || { echo "unknown fuzz target: $target (known: $(echo $all))"; exit 2; }
done
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$(nproc)" --target $targets

export QT_QPA_PLATFORM=offscreen
# Fontconfig keeps a cache for the life of the process, which LeakSanitizer
# reports at exit; nothing of ours.
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
mkdir -p "$build/artifacts"
status=0
summary=()
for target in $targets; do
  corpus=$build/corpus/$target
  seeds=$root/tests/data
  [ "$target" = fuzz_documentjson ] && seeds=$root/tests/data/json
  [ "$target" = fuzz_addresssplit ] && seeds=$root/tests/data/address-boxes
  mkdir -p "$corpus"
  find "$seeds" -maxdepth 1 -type f ! -name '*.py' ! -name '*.md' -exec cp -t "$corpus" {} +
  echo "== $target: ${seconds}s"
  log=$(mktemp)
  if (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$corpus" >"$log" 2>&1); then
    result=clean
  else
    result=FAILED
    status=1
  fi
  grep -E 'DONE|ERROR|SUMMARY|stat::number_of_executed_units' "$log" | tail -n 6 || true
  done_line=$(grep -E '#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$done_line")
  summary+=("$target: ${runs:-?} runs in ${seconds}s, coverage ${cov:-?}, features ${ft:-?}, corpus ${corp:-?}, $result")
  [ "$result" = FAILED ] && tail -n 40 "$log"
  rm -f "$log"
done
printf '%s\n' "${summary[@]}"
exit $status
