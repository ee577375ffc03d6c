#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor on a real X server (Xvfb) under a real window manager (openbox) and reads
# the window manager's stacking order: both palettes must be tool windows of the main window
# and lie above it as soon as they are on screen, and stay above it when the main window is
# raised. Run with or without a file to open.
#
#   scripts/desktop-test.sh PIXMORA_BINARY ICON_FILE
#
# Exits 0 when every check passed, 1 when one failed and 77 (skipped) where Xvfb, openbox or
# the X utilities are missing.
set -uo pipefail

binary=${1:?usage: desktop-test.sh PIXMORA_BINARY ICON_FILE}
icon=${2:?usage: desktop-test.sh PIXMORA_BINARY ICON_FILE}

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  echo "SKIPPED: Xvfb did not start: $(tail -1 "$work/xvfb.log")"
  exit 77
fi
export DISPLAY=":$(cat "$work/display")"

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready=""
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && wm_ready=1 && break
  sleep 0.1
done
if [ -z "$wm_ready" ]; then
  echo "SKIPPED: openbox did not start: $(tail -1 "$work/openbox.log")"
  exit 77
fi

export QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$work/config"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
mkdir -p "$XDG_CONFIG_HOME/vrek"

passed=0
failed=0

# The managed windows bottom to top, one "id name" a line.
stacking() {
  local ids
  ids=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p' | tr -d ,)
  for id in $ids; do
    echo "$id $(xprop -id "$id" WM_NAME 2>/dev/null | sed -n 's/^WM_NAME([^)]*) = "\(.*\)"$/\1/p')"
  done
}

position_of() { # name-pattern: 1-based place in the stacking order, empty when absent
  stacking | grep -n -E "^[^ ]+ ($1)\$" | head -1 | cut -d: -f1
}

id_of() { stacking | grep -E "^[^ ]+ ($1)\$" | head -1 | cut -d' ' -f1; }

# The palettes' places must both lie above the main window's.
palettes_above() { # label
  local main tools brush
  main=$(position_of 'icon( - .*)?')
  tools=$(position_of 'Tools')
  brush=$(position_of 'Brush Sizes')
  if [ -n "$main" ] && [ -n "$tools" ] && [ -n "$brush" ] && [ "$tools" -gt "$main" ] \
    && [ "$brush" -gt "$main" ]; then
    return 0
  fi
  echo "FAILED: $1: stacking order bottom to top:"
  stacking | sed 's/^/    /'
  return 1
}

check() { # label, command...
  local label=$1
  shift
  if "$@"; then
    echo "passed: $label"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
}

transient_for_main() {
  local main palette owner
  main=$(id_of 'icon( - .*)?')
  for palette in 'Tools' 'Brush Sizes'; do
    owner=$(xprop -id "$(id_of "$palette")" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*# //p')
    if [ -z "$main" ] || [ "$((owner))" != "$((main))" ]; then
      echo "FAILED: \"$palette\" is a tool window of '${owner:-nothing}', not of the main window $main"
      return 1
    fi
  done
}

raised_main_keeps_palettes_above() {
  local main
  main=$(id_of 'icon( - .*)?')
  command -v xdotool >/dev/null || { echo "(xdotool missing: raising not tried)"; return 0; }
  timeout 5 xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowraise "$main"
  sleep 0.5
  palettes_above "after raising the main window"
}

# A run that never showed its windows: where its threads wait, so that a rare hang can be
# told from a slow start.
where_it_waits() { # pid
  kill -0 "$1" 2>/dev/null || { echo "    the editor had exited"; return; }
  echo "    the editor is alive, waiting in: $(cat "/proc/$1/wchan" 2>/dev/null)"
  if command -v gdb >/dev/null; then
    timeout 20 gdb -p "$1" -batch -ex 'thread apply all bt 20' 2>/dev/null | grep '^#' | head -60
  fi
}

run_case() { # label, arguments...
  local label=$1
  shift
  # No tip of the day: its dialog would cover the windows under test.
  printf '[Tip]\nStartUp=1\n' >"$XDG_CONFIG_HOME/vrek/icon.conf"
  "$binary" "$@" >"$work/editor.log" 2>&1 &
  local editor=$!
  pids+=("$editor")
  local ready=""
  for _ in $(seq 600); do
    if [ -n "$(position_of 'icon( - .*)?')" ] && [ -n "$(position_of 'Tools')" ] \
      && [ -n "$(position_of 'Brush Sizes')" ]; then
      ready=1
      break
    fi
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$ready" ]; then
    echo "FAILED: $label: the main window and both palettes never appeared"
    stacking | sed 's/^/    /'
    tail -5 "$work/editor.log"
    where_it_waits "$editor"
    failed=$((failed + 1))
  else
    check "$label: palettes above the main window when they appear" palettes_above "$label"
    sleep 1
    check "$label: palettes still above a second later" palettes_above "$label, later"
    check "$label: palettes are tool windows of the main window" transient_for_main
    check "$label: palettes stay above the raised main window" raised_main_keeps_palettes_above
  fi
  kill "$editor" 2>/dev/null
  wait "$editor" 2>/dev/null
}

run_case "with a file" "$icon"
run_case "without a file"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
