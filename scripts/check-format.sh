#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source file is not laid out as .clang-format says; `clang-format -i FILE`
# fixes one. Uses Debian 12's clang-format, so everyone formats the same way.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h'
else
  find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run -Werror
echo "check-format: all files formatted"
