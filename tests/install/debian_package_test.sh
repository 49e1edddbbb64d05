#!/bin/sh
# The Debian package: built from the build tree with CPack, clean under
# lintian, depending on the libraries the game links and on its fonts.
# usage: debian_package_test.sh BUILD_DIR
set -eu
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.txt") || { cat "$work/cpack.txt"; fail "cpack failed"; }
deb="$(ls "$work"/aurelant_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in fonts-liberation libgl1 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libpng16-16 libc6; do
  echo "$depends" | grep -q "$package" || fail "Depends lacks $package: $depends"
done
dpkg-deb -c "$deb" | grep -q " ./usr/games/aurelant$" || fail "the game is not in /usr/games"
dpkg-deb -c "$deb" | grep -q " ./usr/share/aurelant/Levels/" || fail "the data is not packed"
clean=yes
lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 || clean=no
grep -v "running with root privileges" "$work/lintian.txt" || true
[ "$clean" = yes ] || fail "lintian reports errors or warnings"
echo "Debian package: $(basename "$deb"), lintian clean"
