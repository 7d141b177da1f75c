#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: native,
# under AddressSanitizer and UndefinedBehaviorSanitizer, each fuzz target for a
# short bounded run, and the 32- and 64-bit Windows builds under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export ICONS_REQUIRE_WINE_MODULES=1  # the Wine module tests must not skip here
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

for preset in linux linux-asan win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" >/dev/null
  ctest --preset "$preset" -j "$jobs" | tee -a "$log"
done

echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" >/dev/null
corpus=build/fuzz/corpus
rm -rf "$corpus"
build/fuzz/fuzz/make_seed_corpus "$corpus"
fuzz_passed=0
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  mkdir -p "$corpus/$name"
  "$target" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 "$corpus/$name" 2>"build/fuzz/$name.log" || { tail -40 "build/fuzz/$name.log"; exit 1; }
  echo "$name: $(grep -E '^Done [0-9]+ runs' "build/fuzz/$name.log" || echo ran) clean"
  fuzz_passed=$((fuzz_passed + 1))
done

passed=$(awk '/tests passed, [0-9]+ tests failed out of/ {sum += $NF - $(NF-4)} END {print sum + 0}' "$log")
echo "tests: $((passed + fuzz_passed)) passed, 0 failed"
