#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the editor's figures next to their references, measured in the same run:
#   start-up, memory, idle wake-ups and exit against a bare Qt main window (pixmora-floor);
#   the splash and the tip of the day, which a normal start shows, on their own;
#   the icon writer against Pillow's 8-bit ICO writer and Qt's ICO writer where installed;
#   pixmora-cli export against icotool -x, whole process, 50 interleaved rounds, with the full
#   tool's export on QtCore and a bare QtCore program (pixmora-core-floor) beside them: the part
#   of the time any QtCore tool pays;
#   each canvas interaction on 48 x 48 against the 0.3 ms it may take.
# Start-up rounds are interleaved (editor, floor, editor, ...) so a busy machine slows both
# alike; each figure is given as min / median of its rounds.
#
#   bench/compare.sh [ROUNDS] [IDLE_SECONDS]     (defaults 12 and 30)
#
# Runs under Xvfb (started here when no display is set). Uses the release build, building
# the targets it needs when they are missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="${PIXMORA_BUILD:-$root/build/release}"
rounds="${1:-12}"
idle="${2:-30}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

targets=(pixmora pixmora-sound pixmora-floor pixmora-core-floor pixmora-startprobe pixmora-bench
  pixmora-cli pixmora-cli-commands pixmora-cli-images)
missing=()
for t in "${targets[@]}"; do
  [ -e "$build/$t" ] || [ -e "$build/lib$t.so" ] || missing+=("$t")
done
if [ ${#missing[@]} -gt 0 ]; then
  (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target "${missing[@]}")
fi

results="$(mktemp)"
scratch="$(mktemp -d)"
trap 'rm -rf "$results" "$scratch"' EXIT

# probe NAME [probe options] -- PROGRAM ARGS: one run with fresh settings, its figures
# recorded as "NAME key value" lines.
probe() {
  local name="$1"
  shift
  local config
  config="$(mktemp -d -p "$scratch")"
  (cd "$build" && XDG_CONFIG_HOME="$config" "$build/pixmora-startprobe" "$@" 2>/dev/null) \
    | sed -n "s/^\([a-z_]*\)=\([0-9.]*\)\( \(.*\)\)\?$/$name \1 \2 \4/p" >>"$results" || true
}

echo "start-up: $rounds interleaved rounds; idle: twice ${idle} s each" >&2
for ((i = 1; i <= rounds; ++i)); do
  probe editor --title icon --close -- ./pixmora -Embedding
  probe floor --title Floor --close -- ./pixmora-floor
  # The full start, splash and tip of the day included.
  probe full --title "tip of the day" -- ./pixmora
done
probe editor-idle --title icon --idle "$idle" -- ./pixmora -Embedding
probe floor-idle --title Floor --idle "$idle" -- ./pixmora-floor

"$build/pixmora-bench" --benchmark_filter='BM_(EncodeAndWriteIcon|QtIcoWriter)' \
  --benchmark_repetitions=5 --benchmark_format=csv 2>/dev/null \
  | awk -F, '/^"BM_[^"]*",/ && $1 !~ /_(mean|median|stddev|cv)"$/ { gsub(/"/, "", $1); print "codec " $1 " " $4 / 1000 }' \
  >>"$results"
# Every canvas interaction on a 48 x 48 image, in a shown view, as processor time.
"$build/pixmora-bench" --benchmark_filter='BM_(FloodFill48|RenderImage48|UndoRedoFullStep|CurvedFrame|ColourAdjustment|FullRepaint|AntiAliasedFilledEllipse48)$' \
  --benchmark_repetitions=5 --benchmark_format=csv 2>/dev/null \
  | awk -F, '/^"BM_[^"]*",/ && $1 !~ /_(mean|median|stddev|cv)"$/ { gsub(/"/, "", $1); print "canvas " $1 " " $4 / 1000 }' \
  >>"$results"
"${PYTHON:-/usr/bin/python3}" "$here/pillow_ico.py" >>"$results" || echo "Pillow not installed (apt-get install python3-pil): no Pillow figure" >&2

PIXMORA_CORE_FLOOR="$build/pixmora-core-floor" PIXMORA_CLI_COMMANDS="$build/pixmora-cli-commands" \
  "${PYTHON:-/usr/bin/python3}" "$here/cli_export.py" \
  "$build/pixmora-cli" "$root/tests/data/ours-16-32-48.ico" 50 >>"$results" || true

"${PYTHON:-/usr/bin/python3}" "$here/compare_report.py" "$results"
