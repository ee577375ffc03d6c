#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the icon reader with libFuzzer for SECONDS (default 60), continuing from the corpus
# kept in fuzz/corpus (and the test fixtures). The fuzzer grows a copy in build/fuzz/corpus;
# the repository is not written. Exits non-zero on any crash, leak or timeout.
#   scripts/fuzz.sh [SECONDS]   fuzz
#   scripts/fuzz.sh --keep      minimise what the copy has grown into fuzz/corpus (-merge=1),
#                               to be committed; the executions behind it are in fuzz/README.md
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target pixmora-fuzz-reader

work=build/fuzz/corpus
mkdir -p "$work" build/fuzz/artifacts
export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fuzzer=./build/fuzz/pixmora-fuzz-reader

if [[ "${1:-}" == "--keep" ]]; then
  kept=$(mktemp -d)
  mkdir -p fuzz/corpus
  "$fuzzer" -merge=1 -max_len=65536 "$kept" fuzz/corpus "$work"
  rm -f fuzz/corpus/*
  cp "$kept"/* fuzz/corpus/
  rm -rf "$kept"
  echo "fuzz/corpus: $(ls fuzz/corpus | wc -l) inputs, $(du -sk fuzz/corpus | cut -f1) KiB"
  exit 0
fi

seconds="${1:-60}"
cp -n fuzz/corpus/* tests/data/*.ico "$work"/ 2>/dev/null || true
"$fuzzer" "$work" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
