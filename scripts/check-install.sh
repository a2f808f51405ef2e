#!/usr/bin/env bash
# What the README promises beyond the tests, checked on a build:
#   - the program `make run` starts, starts and quits again (offscreen);
#   - `cmake --install` into a temporary prefix gives programs that run from
#     there: `quorix-report --version`, a PNG table (which the tool hands to
#     libexec/quorix/quorix-report-qt), and the help page in place;
#   - `make package` gives a .deb whose Depends names the Qt libraries.
#   scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d /tmp/quorix-install-XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

# The program make run starts, in a directory of its own.
mkdir "$prefix/run"
cp "$build/src/app/quorix" "$prefix/run/"
"$prefix/run/quorix" --quit-when-shown >/dev/null 2>&1 || fail "quorix did not start and quit (--quit-when-shown)"

cmake --install "$build" --prefix "$prefix/usr" >/dev/null || fail "cmake --install failed"
"$prefix/usr/bin/quorix-report" --version | grep -q '^quorix-report ' || fail "installed quorix-report --version"
"$prefix/usr/bin/quorix-report" table S3 --png "$prefix/s3.png" || fail "installed quorix-report table S3 --png"
[ "$(head -c 8 "$prefix/s3.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "installed quorix-report table S3 --png wrote no PNG"
grep -q 'name="dlgMainForm"' "$prefix/usr/share/quorix/QuorixHelp.html" 2>/dev/null ||
  fail "the help page is not at share/quorix/QuorixHelp.html"
HOME="$prefix/home" "$prefix/usr/bin/quorix" --quit-when-shown >/dev/null 2>&1 ||
  fail "installed quorix did not start and quit"

rm -f "$build"/quorix_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || fail "make package failed"
deb=$(ls "$build"/quorix_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "make package gave no .deb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "$lib" <<<"$depends" || fail "the package's Depends does not name $lib: $depends"
done
dpkg-deb -c "$deb" >"$prefix/contents"
grep -q './usr/libexec/quorix/quorix-report-qt$' "$prefix/contents" || fail "the package lacks libexec/quorix/quorix-report-qt"
echo "check-install: program starts and quits, install prefix and package $(basename "$deb") checked"
