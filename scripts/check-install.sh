#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the editor as a desktop and a packager see it: builds the Debian package, installs
# the build into a staging folder and validates the menu entry and metadata, runs the
# installed programs, installs to another prefix and moves it to prove the data is found
# wherever the tree lies, and runs lintian on the package. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
app_id=org.pixmora.Pixmora

fail() { echo "check-install: $*" >&2; exit 1; }

deb="$(bash scripts/package.sh "$build")"
version="$(sed -n 's/^project(Pixmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || fail "no version in CMakeLists.txt"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/empty" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen

echo "== staged install"
DESTDIR="$work/stage" cmake --install "$build" >/dev/null
usr="$work/stage/usr"
for file in bin/pixmora bin/pixmora-cli \
  share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
  share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/$app_id.png \
  share/pixmora/{tips.txt,tool.wav,size.wav,alias.wav} \
  share/man/man1/{pixmora,pixmora-cli}.1.gz share/doc/pixmora/README.md; do
  [ -s "$usr/$file" ] || fail "not installed: $file"
done
for part in pixmora-cli-commands pixmora-cli-images; do
  [ -n "$(find "$usr/lib" -path "*/pixmora/$part" -type f -perm -u+x)" ] \
    || fail "not installed: lib/<multiarch>/pixmora/$part"
done
desktop-file-validate "$usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$app_id.metainfo.xml" \
  || fail "the metainfo has no release $version"
grep -q "^pixmora ($version-" packaging/debian/changelog || fail "the Debian changelog has no $version"
for page in pixmora pixmora-cli; do
  man -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null | (! grep .) || fail "$page.1 has errors"
done

echo "== installed programs"
[ "$("$usr/bin/pixmora-cli" --version)" = "pixmora-cli $version" ] || fail "pixmora-cli --version"
[ "$("$usr/bin/pixmora" -v)" = "pixmora $version" ] || fail "pixmora -v"
# info runs in the full tool the front end execs from the installed library folder, export in
# the front end itself.
"$usr/bin/pixmora-cli" info tests/data/ours-16-32-48.ico >/dev/null || fail "pixmora-cli info"
"$usr/bin/pixmora-cli" export tests/data/ours-16-32-48.ico "$work/exported" >/dev/null \
  && [ -s "$work/exported/icon-48.png" ] || fail "pixmora-cli export"
status=0
"$usr/bin/pixmora" --no-such-option 2>"$work/err" >/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option exited $status, not 2"
[ "$(head -1 "$work/err")" = "pixmora: unknown option --no-such-option" ] && grep -q '^Usage: ' "$work/err" \
  || fail "an unknown option did not print the error and the usage"

echo "== relocated install"
cmake --install "$build" --prefix "$work/elsewhere" >/dev/null
mv "$work/elsewhere" "$work/moved"
# Started from a folder without data files, so the tree beside the executable must serve.
(cd "$work/empty" && "$work/moved/bin/pixmora" --data-files) | tee "$work/found"
[ "$(grep -c ": $work/moved/share/pixmora/" "$work/found")" = 4 ] \
  || fail "the relocated editor does not find its data in its own tree"
"$work/moved/bin/pixmora-cli" info tests/data/ours-16-32-48.ico >/dev/null \
  || fail "the relocated pixmora-cli does not find its full tool in its own tree"
"$work/moved/bin/pixmora-cli" create "$work/made.ico" "$work/exported/icon-16.png" >/dev/null \
  || fail "the relocated pixmora-cli does not find its image helper in its own tree"

echo "== window class matches the menu entry"
wm_class="$(env -u QT_QPA_PLATFORM xvfb-run -a sh -c '
  "$1" -Embedding & editor=$!
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk "/\"icon - Icon1\"/ { print \$1; exit }")
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] && xprop -id "$id" WM_CLASS
  kill "$editor"' sh "$usr/bin/pixmora")"
expected="$(sed -n 's/^StartupWMClass=//p' packaging/$app_id.desktop)"
echo "$wm_class"
echo "$wm_class" | grep -q ", \"$expected\"$" || fail "WM_CLASS is not $expected"

echo "== Debian package $deb"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "Depends misses the Qt libraries"
dpkg-deb -x "$deb" "$work/deb"
file "$work/deb/usr/bin/pixmora" "$work/deb/usr/bin/pixmora-cli" "$work"/deb/usr/lib/*/pixmora/pixmora-cli-* | grep -v ', stripped' && fail "unstripped binaries"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "check-install: all passed"
