#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the icon reader with libFuzzer for SECONDS (default 60), seeded with the test
# fixtures. Exits non-zero on any crash, leak or timeout.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target pixmora-fuzz-reader

work=build/fuzz/corpus
mkdir -p "$work" build/fuzz/artifacts
cp -n tests/data/*.ico "$work"/ 2>/dev/null || true

export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
./build/fuzz/pixmora-fuzz-reader "$work" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
