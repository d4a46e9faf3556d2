#!/usr/bin/env bash
# Builds the libFuzzer targets of the on-disk decoders (the TESSARIN_FUZZ CMake build: clang, ASan +
# UBSan) and runs each fuzz/fuzz_<name>.cpp for a share of FUZZ_SECONDS (default 30), seeded from
# fuzz/corpus/<name>/ when it exists. Exit status 0 only when every target built and ran without a
# finding.
# Usage: scripts/run-fuzz.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-$ROOT/build-fuzz}
TOTAL=${FUZZ_SECONDS:-30}
CXX=${FUZZ_CXX:-clang++}

mkdir -p "$OUT"
cmake -S "$ROOT" -B "$OUT" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CXX" \
      -DCMAKE_C_COMPILER="${FUZZ_CC:-clang}" -DTESSARIN_FUZZ=ON >"$OUT/configure.log" 2>&1 \
  || { cat "$OUT/configure.log"; exit 1; }
cmake --build "$OUT" -j"$(nproc)"

TARGETS=()
for src in fuzz/fuzz_*.cpp; do
  name=$(basename "$src" .cpp)
  TARGETS+=("${name#fuzz_}")
done
PER=$(( TOTAL / ${#TARGETS[@]} )); [ "$PER" -ge 1 ] || PER=1

status=0
for t in "${TARGETS[@]}"; do
  work="$OUT/corpus-$t"
  mkdir -p "$work" "$OUT/artifacts-$t"
  seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  echo "== fuzz_$t for ${PER}s"
  # New inputs go to the scratch corpus; the checked-in one only seeds.
  if ! "$OUT/fuzz_$t" -max_total_time="$PER" -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=5 \
        -print_final_stats=1 -artifact_prefix="$OUT/artifacts-$t/" "$work" "${seeds[@]}" 2>"$OUT/fuzz_$t.log"; then
    echo "fuzz_$t found a problem; see $OUT/fuzz_$t.log and $OUT/artifacts-$t/"
    tail -n 30 "$OUT/fuzz_$t.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$OUT/fuzz_$t.log" | sed "s/^/   /"
  fi
done
exit $status
