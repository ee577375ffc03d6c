#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package: an optimised, hardened build installed under /usr, its
# dependencies computed from the binaries, binaries stripped. Prints the package's path.
#   scripts/package.sh [BUILD_DIR]     (default build/package)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/package}"

bash scripts/setup.sh >&2

# Debian's own compiler and linker flags (fortify, stack protector, relro, now), so the
# package is built the way the distribution builds its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Passed on the command line, not through the environment, so an existing build follows them.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DPIXMORA_DEBIAN_PACKAGE=ON -DPIXMORA_TESTS=OFF -DPIXMORA_BENCH=OFF >&2
cmake --build "$build" >&2

rm -f "$build"/pixmora_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$PWD/$build"/pixmora_*.deb
