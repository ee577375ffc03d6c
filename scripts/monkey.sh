#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The random-use check: the sanitizer build of the editor, in a virtual X display, used at
# random for SECONDS in total (default 60): half with a fixed seed, half with a new one that is
# printed. Fails on a crash, a hang (10 s without an event processed) or any sanitizer report.
#   scripts/monkey.sh [SECONDS] [SEED]   (with SEED, only that seed runs, for all SECONDS)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds="${1:-60}"

cmake --preset asan >/dev/null
cmake --build --preset asan --target pixmora-monkey

if [[ $# -ge 2 ]]; then
  runs=("$2:$seconds")
else
  runs=("1:$((seconds / 2))" "$(od -An -N4 -tu4 /dev/urandom | tr -d ' '):$((seconds - seconds / 2))")
fi

export ASAN_OPTIONS="detect_leaks=1:handle_abort=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=xcb

status=0
for run in "${runs[@]}"; do
  seed=${run%%:*}
  length=${run##*:}
  # A scratch home: whatever the random user saves or changes stays in there.
  scratch=$(mktemp -d)
  mkdir -p "$scratch/home"
  echo "monkey: seed $seed for $length s (reproduce: scripts/monkey.sh $length $seed)"
  set +e
  (cd "$scratch/home" && HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" \
    XDG_RUNTIME_DIR="$scratch" timeout --kill-after=10 $((length + 60)) \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/asan/pixmora-monkey" "$length" "$seed") \
    >"$scratch/log" 2>&1
  code=$?
  set -e
  grep -v -e 'does not support' -e 'pa_context_connect' -e 'XDG_RUNTIME_DIR' "$scratch/log" || true
  if [[ $code -ne 0 ]] || grep -q -e 'ERROR: AddressSanitizer' -e 'ERROR: LeakSanitizer' \
    -e 'runtime error:' -e 'monkey: hang' "$scratch/log"; then
    echo "monkey: FAILED with seed $seed (exit $code)"
    status=1
  fi
  rm -rf "$scratch"
done
exit $status
