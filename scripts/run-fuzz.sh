#!/usr/bin/env bash
# Builds the libFuzzer targets of the on-disk decoders (clang, ASan + UBSan) and runs each for a
# share of FUZZ_SECONDS (default 30) seeded from fuzz/corpus/<target>/. Exit status 0 only when
# every target built and ran without a finding.
# Usage: scripts/run-fuzz.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-$ROOT/build-fuzz}
TOTAL=${FUZZ_SECONDS:-30}
CXX=${FUZZ_CXX:-clang++}
TARGETS=(ntfsboot mftrecord runlist fat32boot)
DECODERS=(ondisk/ntfsbootsector.cpp ondisk/ntfsmftrecord.cpp ondisk/ntfsrunlist.cpp ondisk/fat32bootsector.cpp)
PER=$(( TOTAL / ${#TARGETS[@]} )); [ "$PER" -ge 1 ] || PER=1

mkdir -p "$OUT"
for t in "${TARGETS[@]}"; do
  "$CXX" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
         -Wall -Wextra -I"$ROOT" "fuzz/fuzz_$t.cpp" "${DECODERS[@]}" -o "$OUT/fuzz_$t"
done

status=0
for t in "${TARGETS[@]}"; do
  work="$OUT/corpus-$t"
  mkdir -p "$work" "$OUT/artifacts-$t"
  echo "== fuzz_$t for ${PER}s"
  # New inputs go to the scratch corpus; the checked-in one only seeds.
  if ! "$OUT/fuzz_$t" -max_total_time="$PER" -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=5 \
        -print_final_stats=1 -artifact_prefix="$OUT/artifacts-$t/" "$work" "fuzz/corpus/$t" 2>"$OUT/fuzz_$t.log"; then
    echo "fuzz_$t found a problem; see $OUT/fuzz_$t.log and $OUT/artifacts-$t/"
    tail -n 30 "$OUT/fuzz_$t.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$OUT/fuzz_$t.log" | sed "s/^/   /"
  fi
done
exit $status
