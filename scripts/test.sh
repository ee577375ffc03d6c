#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, uses the editor at random for a minute, then fuzzes the icon
# reader for a minute. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

bash scripts/check-format.sh

cmake --preset asan
cmake --build --preset asan

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/asan --output-on-failure -j2 --timeout 300

# Install layout, desktop metadata, relocation and the Debian package.
bash scripts/check-install.sh
bash scripts/monkey.sh 60

bash scripts/fuzz.sh 60
